// Bitmap 105, the splash picture (520 x 317, 16 colours), and bitmap 211,
// the About box's product logo (116 x 116, 16 colours).
#include "Resource.h"
#include "ResourceData.h"
#include "fw/BitmapResource.h"

namespace {
const char* const kSplashArt[] = {
    ".----------------------------------------------------------------------.",
    "|                                                                      |",
    "|   #####  ######   ####    ####     ##    #####   #  #    #  ######   |",
    "|     #    #       #       #        #  #   #    #  #  ##   #  #        |",
    "|     #    #####    ####    ####   #    #  #    #  #  # #  #  #####    |",
    "|     #    #            #       #  ######  #####   #  #  # #  #        |",
    "|     #    #       #    #  #    #  #    #  #   #   #  #   ##  #        |",
    "|     #    ######   ####    ####   #    #  #    #  #  #    #  ######   |",
    "|                                                                      |",
    "|        .----------------------------.                                |",
    "|        |  ::::::::::::::::::::::::  |=|     PC Card and CardBus      |",
    "|        |  ::  T E S S A R I N E ::  |=|    drivers for Windows NT    |",
    "|        |  ::::::::::::::::::::::::  |=|                              |",
    "|        '----------------------------'      Registry Update Utility   |",
    "|                                                                      |",
    "|                                                  Corvane  5.20.04    |",
    "'----------------------------------------------------------------------'",
};

const char* const kLogoArt[] = {
    " .-----------. ", " | ::::::::: |=", " | :  [T]  : |=",
    " | ::::::::: |=", " '-----------' ",
};

}  // namespace

const CBitmapResource g_splashBitmap = {
    IDB_SPLASH, 520,        317,
    4,          kSplashArt, sizeof(kSplashArt) / sizeof(kSplashArt[0])};
const CBitmapResource g_logoBitmap = {
    IDB_LOGO, 116, 116, 4, kLogoArt, sizeof(kLogoArt) / sizeof(kLogoArt[0])};
