#include "CardTable.h"

const char kCardDatabaseKey[] =
    "System\\CurrentControlSet\\Services\\Dovrel\\DataBase";

std::string CardEntryKeyPath(const CardEntry& entry) {
  return std::string(kCardDatabaseKey) + "\\" + entry.manufacturer + "\\" +
         entry.product;
}

// clang-format off
static const std::vector<CardEntry> g_aCardEntries = {
    {"3Com", "Megahertz 3CCFEM556B", {{"DeviceType", REG_SZ, "COMBO", 0}, {"Driver", REG_SZ, "fem556", 0}}},  // 1
    {"3Com", "3CXEM556 B", {{"DeviceType", REG_SZ, "COMBO", 0}, {"Driver", REG_SZ, "em556n4", 0}}},  // 2
    {"3Com Corporation", "3C562C/3C563C", {{"DeviceType", REG_SZ, "COMBO", 0}}},  // 3
    {"3Com Corporation", "3C562D/3C563D", {{"DeviceType", REG_SZ, "COMBO", 0}}},  // 4
    {"3Com Corporation", "3CCFE575BT", {{"Driver", REG_SZ, "elpc575", 0}}},  // 5
    {"3Com Corporation", "3CCFEM656MD", {{"DeviceType", REG_SZ, "VS", 0}, {"SpecialtyInstall", REG_SZ, "Ports,Modems", 0}, {"Driver", REG_SZ, "el656ctl", 0}}},  // 6
    {"3Com Corporation", "3CCFEM656B-MDM", {{"DeviceType", REG_SZ, "VS", 0}, {"SpecialtyInstall", REG_SZ, "Ports,Modems", 0}, {"Driver", REG_SZ, "el656ctl", 0}}},  // 7
    {"3Com Corporation", "3CCFEM656C-MDM", {{"DeviceType", REG_SZ, "VS", 0}, {"SpecialtyInstall", REG_SZ, "Modems", 0}}},  // 8
    {"IBM", "10/100 EtherJet CardBus", {{"Driver", REG_SZ, "IBMC", 0}}},  // 9
    {"IBM", "3270 Emulation Credit Card Adapter", {{"DeviceType", REG_SZ, "VS", 0}}},  // 10
    {"IBM", "5250 Emulation Credit Card Adapter", {{"DeviceType", REG_SZ, "VS", 0}}},  // 11
    {"ISDN", "CARD ", {{"DeviceType", REG_SZ, "VS", 0}, {"DontAlterIOLength", REG_DWORD, "", 1}}},  // 12
    {"IBM Corp.", "IBM PCMCIA SDLC Adapter", {{"DeviceType", REG_SZ, "VS", 0}}},  // 13
    {"IBM Corp.", "IBM PCMCIA SDLC Modem", {{"DeviceType", REG_SZ, "VS", 0}}},  // 14
    {"Intel", "EtherExpress(TM) PRO/100 CardBus Mobile Adapter32", {{"Driver", REG_SZ, "M32A", 0}}},  // 15
    {"Quatech Inc", "PCMCIA Dual Rs-232 Serial Port Card", {{"DeviceType", REG_SZ, "VS", 0}}},  // 16
    {"Quatech Inc", "PCMCIA Quad Rs-232 Serial Port Card", {{"DeviceType", REG_SZ, "VS", 0}}},  // 17
    {"Ositech", "Trumpcard:JoS Ethernet", {{"Driver", REG_SZ, "OTCCBDRV", 0}}},  // 18
    {"Ositech", "Trumpcard:JoH 56K+Ethernet", {{"DeviceType", REG_SZ, "COMBO", 0}, {"Driver", REG_SZ, "OTCJOHNT", 0}}},  // 19
    {"Ositech", "Trumpcard:Jack of Diamonds Modem+Ethernet", {{"DeviceType", REG_SZ, "COMBO", 0}, {"Driver", REG_SZ, "OCTJODNT", 0}}},  // 20
    {"Gateway 2000", "XJEM3336", {{"DeviceType", REG_SZ, "COMBO", 0}}},  // 21
    {"Eicon Diehl", "Diva Pro", {{"DeviceType", REG_SZ, "VS", 0}}},  // 22
    {"AmbiCom, Inc.", "AMB8100", {{"DeviceType", REG_SZ, "NET", 0}, {"Driver", REG_SZ, "AMBCBL", 0}}},  // 23
    {"Adaptec, Inc.", "APA-1460 SCSI Host Adapter", {{"DeviceType", REG_SZ, "SCSI", 0}, {"Driver", REG_SZ, "sparrow", 0}}},  // 24
    {"Basics by New Media Corporation", "SCSI Sym53C500", {{"Driver", REG_SZ, "BSCNT", 0}}},  // 25
    {"CNF CD-M", "CD-ROM", {{"DeviceType", REG_SZ, "SCSI", 0}}},  // 26
    {"Megahertz", "CC/XJEM3336", {{"DeviceType", REG_SZ, "COMBO", 0}}},  // 27
    {"Multi-Tech", "MT5634ZLX-E", {{"DeviceType", REG_SZ, "COMBO", 0}, {"Driver", REG_SZ, "MT3410ZLX", 0}}},  // 28
    {"New Media Corporation", "LiveWire Plus", {{"Driver", REG_SZ, "LWPlus", 0}}},  // 29
    {"New Media Corporation", "SCSI Bus Toaster Sym53C500", {{"Driver", REG_SZ, "BT3NT", 0}}},  // 30
    {"New Media Corporation", "Ethernet", {{"Driver", REG_SZ, "NMCMACE", 0}}},  // 31
    {"Olicom", "GoCard Eth/Modem 336", {{"DeviceType", REG_SZ, "COMBO", 0}, {"Driver", REG_SZ, "OCE2XM", 0}}},  // 32
    {"Olicom", "GoCard TRN/Modem 336", {{"DeviceType", REG_SZ, "COMBO", 0}, {"Driver", REG_SZ, "OCTK16", 0}}},  // 33
    {"PSCR", "Smart Card Reader", {{"DeviceType", REG_SZ, "VS", 0}}},  // 34
    {"Psion", "10-100Mb CardBus", {{"DeviceType", REG_SZ, "NET", 0}, {"Driver", REG_SZ, "PSDETHCB", 0}}},  // 35
    {"Psion Dacom", "Gold Card V34 Ethernet", {{"InterruptMode", REG_DWORD, "", 0}}},  // 36
    {"Psion Dacom", "Gold Card Ethernet", {{"Driver", REG_SZ, "ne2000", 0}}},  // 37
    {"Sierra Wireless, Inc.", "AirCard", {{"Driver", REG_SZ, "Quesk", 0}}},  // 38
    {"Sierra Wireless", "AirCard Cellular", {{"Driver", REG_SZ, "Quesk", 0}}},  // 39
    {"Sierra Wireless", "AirCard 300", {{"DeviceType", REG_SZ, "NET", 0}}},  // 40
    {"Socket Communications, Inc.", "Ethernet / Serial Adapter", {{"DeviceType", REG_SZ, "NET", 0}, {"Driver", REG_SZ, "ne2000", 0}}},  // 41
    {"SMC 8032DT", "PC Card", {{"Driver", REG_SZ, "SMCPWR", 0}}},  // 42
    {"WBT", "NinjaSCSI-3", {{"DeviceType", REG_SZ, "SCSI", 0}}},  // 43
    {"TDK", "GlobalNetworker 3410/3412", {{"DeviceType", REG_SZ, "COMBO", 0}, {"Driver", REG_SZ, "GN341X", 0}}},  // 44
    {"TDK", "Global Pro ISDN", {{"DeviceType", REG_SZ, "VS", 0}}},  // 45
    {"Toshiba", "10/100 CardBus Ethernet PC Card", {{"Driver", REG_SZ, "c20", 0}}},  // 46
    {"Xircom", "CreditCard Ethernet+Modem 33.6", {{"DeviceType", REG_SZ, "COMBO", 0}}},  // 47
    {"Xircom", "CreditCard Token Ring + Modem 33.6", {{"DeviceType", REG_SZ, "COMBO", 0}}},  // 48
    {"Xircom", "CreditCard Ethernet 10/100 + Modem 56", {{"DeviceType", REG_SZ, "COMBO", 0}, {"Driver", REG_SZ, "CEM56", 0}}},  // 49
    {"Xircom", "16-bit Ethernet + Modem 56", {{"DeviceType", REG_SZ, "COMBO", 0}, {"Driver", REG_SZ, "CEM56", 0}}},  // 50
    {"Nogatech", "Nogavision", {{"Driver", REG_SZ, "nogatech", 0}}},  // 51
    {"Low Power Ethernet LAN Adapter", "Socket Communications, Inc", {{"Driver", REG_SZ, "ne2000", 0}}},  // 52
    {"GEMPLUS", "GPR400", {{"DeviceType", REG_SZ, "VS", 0}}},  // 53
    {"NOTEWORTHY", "SCSI", {{"DeviceType", REG_SZ, "SCSI", 0}, {"Driver", REG_SZ, "BTNT", 0}}},  // 54
    {"Siemens", "I-Gate-M2", {{"Driver", REG_SZ, "PCMBN3", 0}}},  // 55
    {"No Wires Needed", "Swallow 550", {{"DeviceType", REG_SZ, "NET", 0}}},  // 56
    {"ARC", "ATAPI", {{"DeviceType", REG_SZ, "SCSI", 0}}},  // 57
    {"ARC", "SLIMZIP", {{"DeviceType", REG_SZ, "SCSI", 0}}},  // 58
    {"Shining", "PMIDE-ASC", {{"DeviceType", REG_SZ, "SCSI", 0}, {"Driver", REG_SZ, "statpnt", 0}}},  // 59
    {"National Instruments", "DAQCard-4050", {{"DeviceType", REG_SZ, "VS", 0}, {"Driver", REG_SZ, "Nipalk", 0}}},  // 60
    {"National Instruments", "DAQCard-AI-16E-4", {{"DeviceType", REG_SZ, "VS", 0}, {"Driver", REG_SZ, "Nipalk", 0}}},  // 61
    {"Allen-Bradley Company, Inc.", "1784-PCC/B", {{"DeviceType", REG_SZ, "VS", 0}}},  // 62
    {"Iomega", "PCMCIA to 16 bit ATAPI Adapter", {{"DeviceType", REG_SZ, "VS", 0}, {"Driver", REG_SZ, "Clikcard", 0}}},  // 63
    {"CF+ LPE", "Socket Communications Inc", {{"DeviceType", REG_SZ, "NET", 0}, {"Driver", REG_SZ, "ne2000", 0}}},  // 64
    {"SPYRUS", "Lynks Privacy Crypto Card     ", {{"DeviceType", REG_SZ, "CSCLIENT", 0}}},  // 65
    {"PC CARD MANUFACTURER", "PCMCIA ATA/ATAPI Adapter", {{"DeviceType", REG_SZ, "VS", 0}, {"Driver", REG_SZ, "atdisk", 0}}},  // 66
};
// clang-format on

const std::vector<CardEntry>& CardEntries() { return g_aCardEntries; }
