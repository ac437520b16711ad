// Where the suite keeps the options of the settings dialogs: REG_DWORD
// values of its driver services (HKEY_LOCAL_MACHINE) and of the default
// user profile (HKEY_USERS).
#pragma once

constexpr char kBrannicParametersKey[] =
    "System\\CurrentControlSet\\Services\\Brannic\\Parameters\\";
constexpr char kKestanParametersKey[] =
    "System\\CurrentControlSet\\Services\\Kestan\\Parameters\\";
constexpr char kDovrelSystemKey[] =
    "System\\CurrentControlSet\\Services\\Dovrel\\System\\";
// Under HKEY_USERS: the default profile, so the option holds for all users.
constexpr char kNotifyKey[] =
    ".DEFAULT\\Software\\Corvane\\Tessarine for Windows NT\\Notify";
// The resource manager's list of excluded I/O port ranges, one subkey each
// with REG_DWORD "Start" and "End".
constexpr char kPortExclusionsKey[] =
    "System\\CurrentControlSet\\Services\\Dovrel\\System\\I/O Port "
    "Exclusions";
// Published by the suite's drivers at run time, one key per slot.
constexpr char kSlotDataBaseKeyFormat[] =
    "HARDWARE\\DeviceMap\\PCMCIA\\Slot%d\\DataBase";
