// The program's resource tables, one or two per file of this folder;
// ProgramResources() hands them all to the framework.
#pragma once

struct CStringTableSection;
struct CDialogTemplate;
struct CMenuTemplate;
struct CBitmapResource;

extern const CStringTableSection g_appStrings;
extern const CStringTableSection g_updateStrings;
extern const CStringTableSection g_clearStrings;
extern const CStringTableSection g_customStrings;
extern const CStringTableSection g_repairStrings;

extern const CDialogTemplate g_formDialog;
extern const CDialogTemplate g_aboutDialog;
extern const CDialogTemplate g_customizationsDialog;
extern const CDialogTemplate g_interruptsDialog;
extern const CDialogTemplate g_cardConfigDialog;
extern const CDialogTemplate g_miscDialog;
extern const CDialogTemplate g_repairsDialog;

extern const CMenuTemplate g_mainMenu;

extern const CBitmapResource g_splashBitmap;
extern const CBitmapResource g_logoBitmap;
