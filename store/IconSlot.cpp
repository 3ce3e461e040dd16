#include "store/IconSlot.h"

#include "res/resource.h"

const char kRecycleBinIconKey[] = "CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon";

namespace {
const char kShellIconsKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Icons";
const char kMyComputerIconKey[] = "CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\DefaultIcon";
const char kNetworkIconKey[] = "CLSID\\{208D2C60-3AEA-1069-A2D7-08002B30309D}\\DefaultIcon";

constexpr RegistryRoot kClasses = RegistryRoot::ClassesRoot;
constexpr RegistryRoot kMachine = RegistryRoot::LocalMachine;
}  // namespace

// Labels are compiled to code page 932 (-fexec-charset=CP932).
const IconSlotDef kIconSlots[kIconSlotCount] = {
    {RecycleBinEmpty, "ごみ箱（空）", IDC_RECYCLE_EMPTY, kClasses, kRecycleBinIconKey, "empty"},
    {RecycleBinFull, "ごみ箱", IDC_RECYCLE_FULL, kClasses, kRecycleBinIconKey, "full"},
    {HardDisk, "ﾊｰﾄﾞﾃﾞｨｽｸ", IDC_HARD_DISK, kMachine, kShellIconsKey, "8"},
    {MyComputer, "ﾏｲｺﾝﾋﾟｭｰﾀ", IDC_MY_COMPUTER, kClasses, kMyComputerIconKey, ""},
    {NetworkNeighborhood, "ﾈｯﾄﾜｰｸｺﾝﾋﾟｭｰﾀ", IDC_NETWORK, kClasses, kNetworkIconKey, ""},
    {CdRomDrive, "CD-ROMﾄﾞﾗｲﾌﾞ", IDC_CDROM, kMachine, kShellIconsKey, "11"},
    {Floppy35, "3.5ｲﾝﾁ ﾌﾛｯﾋﾟｰ", IDC_FLOPPY, kMachine, kShellIconsKey, "6"},
    {Folder, "ﾌｫﾙﾀﾞ", IDC_FOLDER, kMachine, kShellIconsKey, "3"},
    {FolderOpen, "ﾌｫﾙﾀﾞ（開）", IDC_FOLDER_OPEN, kMachine, kShellIconsKey, "4"},
    {NetworkDrive, "ﾈｯﾄﾜｰｸﾄﾞﾗｲﾌﾞ", IDC_NETWORK_DRIVE, kMachine, kShellIconsKey, "9"},
};

const IconSlot kLoadOrder[kIconSlotCount] = {
    MyComputer, NetworkNeighborhood, RecycleBinFull, RecycleBinEmpty, HardDisk,
    Floppy35,   Folder,              FolderOpen,     NetworkDrive,    CdRomDrive,
};

const IconSlot kCheckOrder[kIconSlotCount] = {
    MyComputer, NetworkNeighborhood, HardDisk,     RecycleBinFull, RecycleBinEmpty,
    Floppy35,   Folder,              FolderOpen,   NetworkDrive,   CdRomDrive,
};

const IconSlot kScreenOrder[kIconSlotCount] = {
    MyComputer, NetworkNeighborhood, RecycleBinFull, RecycleBinEmpty, HardDisk,
    NetworkDrive, Floppy35,          CdRomDrive,     Folder,          FolderOpen,
};
