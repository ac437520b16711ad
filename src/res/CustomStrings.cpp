// Strings of the Customizations subsystem: the More Information texts of
// the settings dialogs and the slot survey.
#include "CustomStringIds.h"
#include "ResourceData.h"
#include "fw/StringTable.h"

namespace {
// Entries in ascending order of id.
const CStringResource kStrings[] = {
    {IDS_MORE_MODEM_AT_BOOT,
     "Modem PC Cards should be enabled at boot time ONLY if it is "
     "absolutely necessary in order to run an application which requires "
     "that the modem device be available immediately at system startup.  "
     "Enabling this feature could lead to potential system resource "
     "conflicts with other devices in your computer.  In addition, "
     "modifications to the application's load order may be required in "
     "order for the application to run properly with Tessarine.  Contact "
     "the software developer of the application for more information."},
    {IDS_MORE_POWER_OFF_SLOTS,
     "PC Card slots should be powered off with every system "
     "shutdown/restart to prevent potential system resource conflicts "
     "when PC Cards remain in the computer during a system restart.  This "
     "Tessarine feature may be safely disabled if your computer's BIOS "
     "resets or powers off the PC Card slots during POST (system startup) "
     "or shutdown.  If you are experiencing system hangs during "
     "shutdown/restart while SCSI or Network PC Cards are inserted, you "
     "should try disabling this feature."},
    {IDS_MORE_SHARE_PCI,
     "Modem and ATA PC Cards should use the PCI/CardBus interrupt in "
     "order to free system IRQs for use by other devices.  However, the "
     "PCI/CardBus interrupt must be shared with PCI and CardBus devices.  "
     "If you experience a complete system freeze when you insert a Modem "
     "or ATA PC Card, then a PCI device driver or CardBus card driver may "
     "not be properly sharing the PCI interrupt and you should try the "
     "\"Share a single ISA interrupt\" option.  If you experience a "
     "driver load failure when you insert a Modem or ATA PC Card, or the "
     "Modem or ATA PC Card simply fails to respond, then the PCI/CardBus "
     "interrupt may not be physically capable of supporting 16 bit PC "
     "Cards and you should try the \"Share a single ISA interrupt\" "
     "option.  If your hardware does not have the PCI/CardBus interrupt "
     "available, then Tessarine will automatically default to the \"Share "
     "a single ISA interrupt\" option."},
    {IDS_MORE_EXCLUDE_IRQ12_TO_15,
     "Many SCSI and Specialty PC Cards have drivers which can only load "
     "during the system boot process.  Their PC Cards must therefore be "
     "enabled at boot time.  Since most system resources have yet to have "
     "been claimed by other device drivers so early in the boot process, "
     "IRQ resource conflicts can easily occur under these circumstances.  "
     "This feature prevents Tessarine from assigning IRQs 12 though 15, "
     "the IRQs most commonly used by standard system devices, to a SCSI "
     "or Specialty PC Card that is configured during the system boot "
     "process.  Only disable this feature if your SCSI or Specialty PC "
     "Card requires one of these IRQs in order to operate correctly.  If "
     "you do so, it may also be necessary to change the set of allowable "
     "IRQs, via the \"Slot Management\" dialog in Tessarine, to avoid any "
     "IRQ conflicts with other devices in the system."},
    {IDS_MORE_ALLOCATION_START,
     "The Allocation Start Address is the start address of the physical "
     "memory ranges that are allocated by Tessarine for use in processing "
     "the Card Information Structure (CIS) of 16 bit PC Cards.  The CIS "
     "contains detailed information which is used to identify and "
     "configure the PC Card.  This allocation address must be carefully "
     "selected to avoid conflicts with other system devices and physical "
     "memory.  If the Tessarine display shows \"?????\" for a 16 bit PC "
     "Card, then you should try changing this address."},
    {IDS_MORE_PORT_OVERRIDE,
     "In order for the Port ST24XCDR or Port NW24XCD card to work "
     "properly with Tessarine, Tessarine must not use I/O port addresses "
     "at or below 200h to configure the card.  Enabling this feature will "
     "exclude those I/O port addresses from Tessarine's available "
     "resource list.  However, these I/O port addresses will become "
     "excluded for ALL PC Card devices, not just the Port ST24XCDR and "
     "Port NW24XCD cards."},
    {IDS_MORE_DISABLE_NOTIFICATIONS,
     "Enabling this feature will prevent ALL Tessarine card insertion and "
     "removal error notifications from appearing on the screen for ALL "
     "users of the system."},
    {IDS_MORE_SHARE_SINGLE_ISA,
     "Modem and ATA PC Cards should share a single ISA interrupt in order "
     "to free system IRQs for use by other devices (when using the "
     "PCI/CardBus interrupt is not possible).  However, if you are "
     "experiencing difficulties using many 16 bit Modem or ATA PC Cards "
     "at the same time,  then you should try the \"Use different ISA "
     "interrupts\" option."},
    {IDS_MORE_DIFFERENT_ISA,
     "Selecting this option will cause 16 bit Modem and ATA PC Cards to "
     "each be assigned different ISA interrupts.  This may result in PC "
     "Card configuration failures due to a lack of available ISA "
     "interrupts.  This option is only recommended if there are problems "
     "with using the \"Share the PCI/CardBus interrupt\" and \"Share a "
     "single ISA interrupt\" options."},
    {IDS_MORE_EXCLUDE_PCI_IRQS,
     "In versions 5.00.12 and higher, Tessarine automatically excludes "
     "all the PCI IRQs found on the PCI Bus from the IRQ Settings thus "
     "making them unavailable for use by 16 bit PC Cards.  This setting, "
     "added in versions 5.00.14 and higher, allows you to enable and "
     "disable this feature.  If you need to use an IRQ which appears "
     "grayed in the IRQ Settings dialogs (other than 0, 1 , or 2), then "
     "try disabling this feature."},
    {IDS_MORE_ALL_CARDS_SHARE_PCI,
     "Selecting this option will cause ALL PC Cards to be configured to "
     "use the PCI/CardBus interrupt.  This will free system IRQs for use "
     "by other devices.  However, if the driver for one of your 16 bit PC "
     "Cards does not support the PCI/CardBus interrupt, then that driver "
     "may fail to load, cause a system freeze, or cause a system crash.  "
     "If your PC Card controller hardware only supports the PCI/CardBus "
     "interrupt, then you should try enabling this feature."},
    {IDS_MORE_RESERVED_WINDOWS,
     "The Number of Reserved Memory Windows specifies how many 4 KByte "
     "blocks of ISA memory address space will be allocated by Tessarine, "
     "starting at the Allocation Start Address, for use in processing the "
     "Card Information Structure (CIS) of 16 bit PC Cards.  The CIS "
     "contains detailed information which is used to identify and "
     "configure the PC Card.  This value should be set to the maximum "
     "possible number of PC Card slots on your computer (i.e. 2 slots in "
     "computer + 2 slots in dock = 4 slots)."},
    {IDS_SLOT_SURVEY,
     "%d PC Card slots have been detected.  %d of the %d slots support "
     "the use of PCI memory address space for 16-bit PC Cards.  If "
     "Tessarine is configured to \"Use PCI address space for CIS "
     "processing and Tessarine\" or \"Always use PCI address space\" (see "
     "above), then these %d slots do not require reserved ISA memory and "
     "you may subtract %d from the maximum possible number of PC Card "
     "slots when computing the Number of Reserved Memory Windows required."},
    {IDS_MORE_PCI_CIS_ONLY,
     "Selecting this option will allow Tessarine to use PCI memory "
     "address space for processing the Card Information Structure (CIS) "
     "on all 16 bit PC Cards, provided the PC Card controller hardware "
     "supports it.  Using this or another option which allows the use of "
     "PCI memory address space for processing the CIS, may allow you to "
     "reduce the number of reserved memory windows (see below), thus "
     "freeing ISA memory space for use by other devices.  Click on \"More "
     "Information\" for the \"Number of Reserved Memory Windows\".  If a "
     "reduction in the number of reserved memory space windows is "
     "possible, then a second message will be displayed with the "
     "necessary information."},
    {IDS_MORE_ISA_ONLY,
     "Selecting this option will cause Tessarine to use only standard ISA "
     "I/O and Memory address space for all 16 bit PC Cards.  This "
     "behavior is equivalent to versions 5.00.14 or lower."},
    {IDS_MORE_PCI_ALWAYS,
     "Selecting this option will cause Tessarine to use PCI memory "
     "address space for processing the Card Information Structure (CIS) "
     "on all 16 bit PC Cards, as well as configure ALL 16 bit PC Cards in "
     "the PCI address space, provided the PC Card controller hardware "
     "supports it.  This feature is meant primarily for those PC Card "
     "controllers which can only operate in the PCI address space.  "
     "However, using this feature is desirable so long as all the various "
     "PC Card drivers you have installed can work in the PCI address "
     "space.  Experimenting with this option should only cause PC Card "
     "driver load failures, in which case it may become necessary to "
     "uninstall and reinstall the failing PC Card driver after changing "
     "this option."},
    {IDS_MORE_PCI_CIS_AND_DRIVERS,
     "Selecting this option will allow Tessarine to use PCI memory "
     "address space for processing the Card Information Structure (CIS) "
     "on all 16 bit PC Cards, as well as configure those 16 bit PC Cards "
     "for which Tessarine provides drivers (i.e. ATA, Modem, SRAM, and "
     "Flash) in the PCI address space, provided the PC Card controller "
     "hardware supports it.  Using this option not only frees ISA I/O and "
     "memory address space for use by other devices, it also helps to "
     "avoid annoying resource conflicts caused by too many devices trying "
     "to fit into the limited ISA address space.  This is the preferred "
     "and default setting."},
};
}  // namespace

const CStringTableSection g_customStrings = {
    kStrings, sizeof(kStrings) / sizeof(kStrings[0])};
