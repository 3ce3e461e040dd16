// Checks the resources compiled into the executable named by GLYPHER_EXE.
// The binary formats are parsed here, field by field, so that the test sees
// what the resource compiler wrote rather than what the script asked for.
#include "platform/win32/WinApi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "res/resource.h"
#include "res/version.h"
#include "store/IconSlot.h"

namespace {

constexpr WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
constexpr WORD kNeutral = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);
constexpr UINT kCodePage932 = 932;

std::u16string FromCodePage(UINT codePage, const std::string& bytes) {
    if (bytes.empty()) return {};
    int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), int(bytes.size()), nullptr, 0);
    if (length == 0) throw std::runtime_error("text is not valid in code page " + std::to_string(codePage));
    std::u16string text(length, u'\0');
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), int(bytes.size()),
                        reinterpret_cast<wchar_t*>(&text[0]), length);
    return text;
}

std::string ToCodePage(UINT codePage, const std::u16string& text) {
    if (text.empty()) return {};
    const wchar_t* wide = reinterpret_cast<const wchar_t*>(text.data());
    int length = WideCharToMultiByte(codePage, 0, wide, int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(length, '\0');
    WideCharToMultiByte(codePage, 0, wide, int(text.size()), &bytes[0], length, nullptr, nullptr);
    return bytes;
}

struct Bytes {
    const uint8_t* data;
    size_t size;
};

// Bounds-checked little-endian reading of one resource. Alignment counts from
// the start of the resource, which the loader places on a DWORD boundary.
class Reader {
public:
    explicit Reader(Bytes bytes) : data_(bytes.data), pos_(0), end_(bytes.size) {}

    uint8_t U8() { return *Take(1); }
    uint16_t U16() { const uint8_t* p = Take(2); return uint16_t(p[0] | p[1] << 8); }
    int16_t I16() { return int16_t(U16()); }
    uint32_t U32() { uint32_t low = U16(); return low | uint32_t(U16()) << 16; }

    const uint8_t* Take(size_t count) {
        if (end_ - pos_ < count) throw std::out_of_range("resource data ends early");
        const uint8_t* p = data_ + pos_;
        pos_ += count;
        return p;
    }

    // Skips padding to the next DWORD; the last structure may end without it.
    void Align4() { Take(std::min((4 - pos_ % 4) % 4, Left())); }

    // A NUL-terminated UTF-16 string.
    std::u16string Sz() {
        std::u16string text;
        for (char16_t c = U16(); c != 0; c = U16()) text += c;
        return text;
    }

    // The next `count` bytes as a reader of their own (a nested structure).
    Reader Sub(size_t count) {
        size_t begin = pos_;
        Take(count);
        Reader sub(*this);
        sub.pos_ = begin;
        sub.end_ = begin + count;
        return sub;
    }

    size_t Left() const { return end_ - pos_; }

private:
    const uint8_t* data_;
    size_t pos_;
    size_t end_;
};

// A template's "string or ordinal" field.
struct Name {
    bool isOrdinal;
    uint16_t ordinal;
    std::u16string text;

    bool operator==(const Name& other) const {
        return isOrdinal == other.isOrdinal && ordinal == other.ordinal && text == other.text;
    }
};

Name Ordinal(uint16_t number) { return {true, number, {}}; }
Name Text(std::u16string text) { return {false, 0, std::move(text)}; }

void PrintTo(const Name& name, std::ostream* os) {
    if (name.isOrdinal)
        *os << "ordinal " << name.ordinal;
    else
        *os << ::testing::PrintToString(name.text);
}

Name ReadName(Reader& reader) {
    uint16_t first = reader.U16();
    if (first == 0xFFFF) return Ordinal(reader.U16());
    std::u16string text;
    for (char16_t c = first; c != 0; c = reader.U16()) text += c;
    return Text(text);
}

// One control of a DIALOG or DIALOGEX template; the fields a DIALOG lacks stay 0.
struct DialogItem {
    uint32_t helpId;
    uint32_t exStyle;
    uint32_t style;
    int16_t x, y, cx, cy;
    uint32_t id;
    Name windowClass;
    Name text;
    uint16_t creationDataSize;
};

struct Dialog {
    bool extended;
    uint32_t helpId;
    uint32_t exStyle;
    uint32_t style;
    int16_t x, y, cx, cy;
    Name menu;
    Name windowClass;
    std::u16string title;
    uint16_t pointSize;
    uint16_t weight;
    uint8_t italic;
    uint8_t charset;
    std::u16string face;
    std::vector<DialogItem> items;
    size_t bytesAfterLastItem;
};

Dialog ParseDialog(Bytes bytes) {
    Reader reader(bytes);
    Dialog dialog{};
    dialog.extended = bytes.size >= 4 && bytes.data[0] == 1 && bytes.data[1] == 0 && bytes.data[2] == 0xFF &&
                      bytes.data[3] == 0xFF;
    uint16_t count;
    if (dialog.extended) {
        reader.Take(4);
        dialog.helpId = reader.U32();
        dialog.exStyle = reader.U32();
        dialog.style = reader.U32();
    } else {
        dialog.style = reader.U32();
        dialog.exStyle = reader.U32();
    }
    count = reader.U16();
    dialog.x = reader.I16();
    dialog.y = reader.I16();
    dialog.cx = reader.I16();
    dialog.cy = reader.I16();
    dialog.menu = ReadName(reader);
    dialog.windowClass = ReadName(reader);
    dialog.title = reader.Sz();
    if (dialog.style & DS_SETFONT) {
        dialog.pointSize = reader.U16();
        if (dialog.extended) {
            dialog.weight = reader.U16();
            dialog.italic = reader.U8();
            dialog.charset = reader.U8();
        }
        dialog.face = reader.Sz();
    }
    for (uint16_t index = 0; index < count; ++index) {
        reader.Align4();
        DialogItem item{};
        if (dialog.extended) {
            item.helpId = reader.U32();
            item.exStyle = reader.U32();
            item.style = reader.U32();
        } else {
            item.style = reader.U32();
            item.exStyle = reader.U32();
        }
        item.x = reader.I16();
        item.y = reader.I16();
        item.cx = reader.I16();
        item.cy = reader.I16();
        item.id = dialog.extended ? reader.U32() : reader.U16();
        item.windowClass = ReadName(reader);
        item.text = ReadName(reader);
        item.creationDataSize = reader.U16();
        reader.Take(item.creationDataSize);
        dialog.items.push_back(item);
    }
    dialog.bytesAfterLastItem = reader.Left();
    return dialog;
}

// Predefined control classes, stored by ordinal.
constexpr uint16_t kButton = 0x0080;
constexpr uint16_t kEdit = 0x0081;
constexpr uint16_t kStatic = 0x0082;

struct ExpectedControl {
    int id;
    uint16_t windowClass;
    uint32_t style;
    int16_t x, y, cx, cy;
    Name text;
};

struct ExpectedDialog {
    int templateId;
    bool extended;
    uint32_t style;
    uint32_t exStyle;
    int16_t x, y, cx, cy;
    std::u16string title;
    uint16_t pointSize;
    uint16_t weight;   // DIALOGEX only
    uint8_t charset;   // DIALOGEX only
    std::u16string face;
    std::vector<ExpectedControl> controls;
};

// WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON
constexpr uint32_t kDefaultButtonStyle = 0x50010001;
// WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON
constexpr uint32_t kButtonStyle = 0x50010000;
// WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL
constexpr uint32_t kEditStyle = 0x50810080;
// WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT
constexpr uint32_t kLabelStyle = 0x50020000;

const ExpectedDialog kMainDialog = {
    IDD_SHELLICON_DIALOG, true,
    0x90C80AC4,  // WS_POPUP WS_VISIBLE WS_CAPTION WS_SYSMENU DS_CENTER DS_SETFOREGROUND DS_MODALFRAME DS_SETFONT DS_3DLOOK
    0x00060000,  // WS_EX_APPWINDOW WS_EX_STATICEDGE
    0, 0, 231, 179,
    u"KESTRAWN ｸﾞﾘﾌｧｰ",
    9, 0, 1, u"ＭＳ Ｐゴシック",
    {
        {IDOK, kButton, kDefaultButtonStyle, 170, 11, 50, 14, Text(u"OK")},
        {IDCANCEL, kButton, kButtonStyle, 170, 29, 50, 14, Text(u"ｷｬﾝｾﾙ")},
        {IDC_MY_COMPUTER, kEdit, kEditStyle, 65, 5, 90, 14, Text(u"")},
        {IDC_STATIC, kStatic, kLabelStyle, 10, 9, 47, 12, Text(u"ﾏｲｺﾝﾋﾟｭｰﾀ")},
        {IDC_STATIC, kStatic, kLabelStyle, 10, 26, 49, 8, Text(u"ﾈｯﾄﾜｰｸｺﾝﾋﾟｭｰﾀ")},
        {IDC_STATIC, kStatic, kLabelStyle, 10, 42, 27, 9, Text(u"ごみ箱")},
        {IDC_STATIC, kStatic, kLabelStyle, 10, 57, 40, 12, Text(u"ごみ箱（空）")},
        {IDC_STATIC, kStatic, kLabelStyle, 10, 73, 35, 11, Text(u"ﾊｰﾄﾞﾃﾞｨｽｸ")},
        {IDC_RECYCLE_FULL, kEdit, kEditStyle, 65, 38, 90, 14, Text(u"")},
        {IDC_NETWORK, kEdit, kEditStyle, 65, 21, 90, 14, Text(u"")},
        {IDC_RECYCLE_EMPTY, kEdit, kEditStyle, 65, 53, 90, 14, Text(u"")},
        {IDC_HARD_DISK, kEdit, kEditStyle, 65, 70, 90, 14, Text(u"")},
        {IDC_RESET, kButton, kButtonStyle, 170, 59, 50, 14, Text(u"起動時の設定")},
        {IDC_STATIC, kStatic, kLabelStyle, 10, 90, 47, 10, Text(u"ﾈｯﾄﾜｰｸﾄﾞﾗｲﾌﾞ")},
        {IDC_STATIC, kStatic, kLabelStyle, 10, 106, 49, 10, Text(u"3.5ｲﾝﾁ ﾌﾛｯﾋﾟｰ")},
        {IDC_STATIC, kStatic, kLabelStyle, 10, 124, 53, 12, Text(u"CD-ROMﾄﾞﾗｲﾌﾞ")},
        {IDC_STATIC, kStatic, kLabelStyle, 10, 139, 45, 11, Text(u"ﾌｫﾙﾀﾞ")},
        {IDC_STATIC, kStatic, kLabelStyle, 10, 155, 51, 12, Text(u"ﾌｫﾙﾀﾞ（開）")},
        {IDC_FLOPPY, kEdit, kEditStyle, 65, 103, 90, 14, Text(u"")},
        {IDC_NETWORK_DRIVE, kEdit, kEditStyle, 65, 87, 90, 14, Text(u"")},
        {IDC_CDROM, kEdit, kEditStyle, 65, 120, 90, 14, Text(u"")},
        {IDC_FOLDER, kEdit, kEditStyle, 65, 135, 90, 14, Text(u"")},
        {IDC_FOLDER_OPEN, kEdit, kEditStyle, 65, 152, 90, 14, Text(u"")},
    },
};

const ExpectedDialog kAboutDialog = {
    IDD_ABOUTBOX, false,
    0x80C800C0,  // WS_POPUP WS_CAPTION WS_SYSMENU DS_MODALFRAME DS_SETFONT
    0,
    0, 0, 217, 55,
    u"ﾊﾞｰｼﾞｮﾝ情報 glypher",
    9, 0, 0, u"ＭＳ Ｐゴシック",
    {
        // WS_CHILD | WS_VISIBLE | SS_ICON, showing the application icon by number.
        {IDC_STATIC, kStatic, 0x50000003, 11, 17, 18, 20, Ordinal(IDR_MAINFRAME)},
        // WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT | SS_NOPREFIX; the number is the registry stamp's.
        {IDC_STATIC, kStatic, 0x50020080, 40, 10, 119, 8, Text(u"Glypher version" GLYPHER_VERSION_TEXT)},
        {IDC_STATIC, kStatic, 0x50020000, 40, 25, 119, 8, Text(u"Copyright (C) 2026 KESTRAWN")},
        // WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON
        {IDOK, kButton, 0x50030001, 178, 7, 32, 14, Text(u"OK")},
    },
};

// The standard 16-colour palette as RGB.
const uint32_t kVgaPalette[16] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

class ResourceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const char* path = std::getenv("GLYPHER_EXE");
        if (path == nullptr) {
            loadError_ = "GLYPHER_EXE names no executable";
            return;
        }
        // Also reads a 32-bit image from a 64-bit process.
        module_ = LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        if (module_ == nullptr) loadError_ = std::string("cannot load ") + path + ", error " + std::to_string(GetLastError());
    }

    static void TearDownTestSuite() {
        if (module_ != nullptr) FreeLibrary(module_);
        module_ = nullptr;
    }

    void SetUp() override { ASSERT_NE(module_, nullptr) << loadError_; }

    static Bytes Resource(LPCSTR type, WORD id, WORD language = kJapanese) {
        HRSRC found = FindResourceExA(module_, type, MAKEINTRESOURCEA(id), language);
        if (found == nullptr)
            throw std::runtime_error("no resource of type " + std::to_string(uintptr_t(type)) + ", id " +
                                     std::to_string(id) + ", language " + std::to_string(language));
        HGLOBAL loaded = LoadResource(module_, found);
        return {static_cast<const uint8_t*>(LockResource(loaded)), SizeofResource(module_, found)};
    }

    static std::vector<WORD> Languages(LPCSTR type, WORD id) {
        std::vector<WORD> languages;
        EnumResourceLanguagesA(module_, type, MAKEINTRESOURCEA(id), AddLanguage, reinterpret_cast<LONG_PTR>(&languages));
        return languages;
    }

    static BOOL CALLBACK AddLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR list) {
        reinterpret_cast<std::vector<WORD>*>(list)->push_back(language);
        return TRUE;
    }

    static HMODULE module_;
    static std::string loadError_;
};

HMODULE ResourceTest::module_ = nullptr;
std::string ResourceTest::loadError_;

TEST_F(ResourceTest, EachResourceExistsOnceInItsLanguage) {
    struct Case {
        LPCSTR type;
        WORD id;
        WORD language;
    };
    const Case cases[] = {
        {RT_DIALOG, IDD_ABOUTBOX, kJapanese},
        {RT_DIALOG, IDD_SHELLICON_DIALOG, kJapanese},
        {RT_STRING, IDS_ABOUTBOX / 16 + 1, kJapanese},  // the block of 101, 102 and 104
        {RT_GROUP_ICON, IDR_MAINFRAME, kJapanese},
        {RT_VERSION, VS_VERSION_INFO, kJapanese},
        {RT_MANIFEST, 1, kNeutral},  // found by the loader whatever the user's language
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("type " + std::to_string(uintptr_t(c.type)) + ", id " + std::to_string(c.id));
        EXPECT_EQ(Languages(c.type, c.id), std::vector<WORD>{c.language});
    }
}

void ExpectDialog(const Dialog& dialog, const ExpectedDialog& expected) {
    EXPECT_EQ(dialog.extended, expected.extended);
    EXPECT_EQ(dialog.style, expected.style);
    EXPECT_EQ(dialog.exStyle, expected.exStyle);
    EXPECT_EQ(dialog.helpId, 0u);
    EXPECT_EQ(dialog.x, expected.x);
    EXPECT_EQ(dialog.y, expected.y);
    EXPECT_EQ(dialog.cx, expected.cx);
    EXPECT_EQ(dialog.cy, expected.cy);
    EXPECT_EQ(dialog.menu, Text(u""));
    EXPECT_EQ(dialog.windowClass, Text(u""));
    EXPECT_EQ(dialog.title, expected.title);
    EXPECT_EQ(dialog.pointSize, expected.pointSize);
    EXPECT_EQ(dialog.weight, expected.weight);
    EXPECT_EQ(dialog.italic, 0);
    EXPECT_EQ(dialog.charset, expected.charset);
    EXPECT_EQ(dialog.face, expected.face);
    EXPECT_LT(dialog.bytesAfterLastItem, 4u) << "data beyond the declared controls";

    ASSERT_EQ(dialog.items.size(), expected.controls.size());
    for (size_t index = 0; index < expected.controls.size(); ++index) {
        SCOPED_TRACE("control #" + std::to_string(index + 1));
        const DialogItem& item = dialog.items[index];
        const ExpectedControl& want = expected.controls[index];
        // IDC_STATIC (-1) fills the id field: 0xFFFF in a DIALOG, 0xFFFFFFFF in a DIALOGEX.
        EXPECT_EQ(item.id, expected.extended ? uint32_t(want.id) : uint16_t(want.id));
        EXPECT_EQ(item.windowClass, Ordinal(want.windowClass));
        EXPECT_EQ(item.style, want.style);
        EXPECT_EQ(item.exStyle, 0u);
        EXPECT_EQ(item.helpId, 0u);
        EXPECT_EQ(item.x, want.x);
        EXPECT_EQ(item.y, want.y);
        EXPECT_EQ(item.cx, want.cx);
        EXPECT_EQ(item.cy, want.cy);
        EXPECT_EQ(item.text, want.text);
        EXPECT_EQ(item.creationDataSize, 0);
    }
}

TEST_F(ResourceTest, MainDialogTemplate) {
    ExpectDialog(ParseDialog(Resource(RT_DIALOG, IDD_SHELLICON_DIALOG)), kMainDialog);
}

TEST_F(ResourceTest, AboutBoxTemplate) {
    ExpectDialog(ParseDialog(Resource(RT_DIALOG, IDD_ABOUTBOX)), kAboutDialog);
}

// The dialog's rows pair a label and an edit field only by position, so a
// label moved or retyped in the script would caption the wrong path.
TEST_F(ResourceTest, MainDialogLabelsStandOnTheRowsOfTheirSlots) {
    const Dialog dialog = ParseDialog(Resource(RT_DIALOG, IDD_SHELLICON_DIALOG));
    auto overlap = [](const DialogItem& a, const DialogItem& b) {
        return std::min(a.y + a.cy, b.y + b.cy) - std::max(a.y, b.y);
    };

    std::vector<std::pair<int, IconSlot>> editRows;
    std::vector<std::pair<int, IconSlot>> labelRows;
    for (const IconSlotDef& def : kIconSlots) {
        SCOPED_TRACE("edit control " + std::to_string(def.editId));
        std::vector<const DialogItem*> edits;
        for (const DialogItem& item : dialog.items)
            if (item.id == uint32_t(def.editId) && item.windowClass == Ordinal(kEdit)) edits.push_back(&item);
        ASSERT_EQ(edits.size(), 1u);
        const DialogItem& edit = *edits[0];

        // The label sharing most of the edit field's height; a tie names no label.
        const DialogItem* label = nullptr;
        int best = 0;
        bool tie = false;
        for (const DialogItem& item : dialog.items) {
            if (!(item.windowClass == Ordinal(kStatic))) continue;
            int shared = overlap(item, edit);
            if (shared > best) {
                label = &item;
                best = shared;
                tie = false;
            } else if (shared == best && shared > 0) {
                tie = true;
            }
        }
        ASSERT_NE(label, nullptr) << "no label on the row";
        ASSERT_FALSE(tie) << "two labels share the row equally";
        EXPECT_EQ(label->text, Text(FromCodePage(kCodePage932, def.label)));
        editRows.push_back({edit.y, def.slot});
        labelRows.push_back({label->y, def.slot});
    }

    const std::vector<IconSlot> screenOrder(kScreenOrder, kScreenOrder + kIconSlotCount);
    for (auto* rows : {&editRows, &labelRows}) {
        std::sort(rows->begin(), rows->end());
        std::vector<IconSlot> topToBottom;
        for (const auto& row : *rows) topToBottom.push_back(row.second);
        EXPECT_EQ(topToBottom, screenOrder);
    }
}

const std::map<UINT, std::u16string> kStrings = {
    {IDS_ABOUTBOX, u"ﾊﾞｰｼﾞｮﾝ情報(glypher) (&A)..."},
    // U+3000, an ideographic space, before the colon.
    {IDS_REGISTRY_FAILED, u"レジストリへの登録に失敗しました。\n新しい設定は無効です。\nエラーコード\u3000: %1"},
    {IDS_INVALID_DATA, u"設定したデータは無効です。\nもう一度、設定してください。"},
};

TEST_F(ResourceTest, StringTableHoldsExactlyTheMessages) {
    // A block holds the 16 strings from (name - 1) * 16 on, each a length and UTF-16 text.
    std::set<WORD> blocks;
    for (const auto& entry : kStrings) blocks.insert(WORD(entry.first / 16 + 1));
    std::map<UINT, std::u16string> found;
    for (WORD block : blocks) {
        Reader reader(Resource(RT_STRING, block));
        for (UINT id = (block - 1) * 16u; id < block * 16u; ++id) {
            std::u16string text;
            for (uint16_t length = reader.U16(); length > 0; --length) text += char16_t(reader.U16());
            if (!text.empty()) found[id] = text;
        }
    }
    EXPECT_EQ(found, kStrings);
}

TEST_F(ResourceTest, StringsLoadAsCodePage932Bytes) {
    ASSERT_EQ(GetACP(), kCodePage932) << "run with LANG=ja_JP.UTF-8";
    for (const auto& entry : kStrings) {
        SCOPED_TRACE("string " + std::to_string(entry.first));
        char buffer[256];
        std::memset(buffer, 0xBD, sizeof buffer);
        int length = LoadStringA(module_, entry.first, buffer, sizeof buffer);
        ASSERT_GT(length, 0) << "error " << GetLastError();
        EXPECT_EQ(std::string(buffer, length), ToCodePage(kCodePage932, entry.second));
        EXPECT_EQ(buffer[length], '\0');
    }
}

TEST_F(ResourceTest, ApplicationIconIsOne32By32SixteenColourImage) {
    Reader group(Resource(RT_GROUP_ICON, IDR_MAINFRAME));
    EXPECT_EQ(group.U16(), 0);  // reserved
    EXPECT_EQ(group.U16(), 1);  // icon, not cursor
    ASSERT_EQ(group.U16(), 1);  // images
    EXPECT_EQ(group.U8(), 32);  // width
    EXPECT_EQ(group.U8(), 32);  // height
    EXPECT_EQ(group.U8(), 16);  // colours
    EXPECT_EQ(group.U8(), 0);   // reserved
    EXPECT_EQ(group.U16(), 1);  // planes
    EXPECT_EQ(group.U16(), 4);  // bits per pixel
    const uint32_t imageSize = group.U32();
    const WORD imageId = group.U16();
    EXPECT_EQ(group.Left(), 0u);

    const Bytes image = Resource(RT_ICON, imageId);
    // Header, palette, 4-bit colour bitmap, 1-bit mask.
    ASSERT_EQ(image.size, 40u + 16 * 4 + 32 * 16 + 32 * 4);
    EXPECT_EQ(imageSize, image.size);
    Reader header(image);
    EXPECT_EQ(header.U32(), 40u);  // BITMAPINFOHEADER
    EXPECT_EQ(header.U32(), 32u);  // width
    EXPECT_EQ(header.U32(), 64u);  // colour and mask bitmaps stacked
    EXPECT_EQ(header.U16(), 1);    // planes
    EXPECT_EQ(header.U16(), 4);    // bits per pixel
    EXPECT_EQ(header.U32(), uint32_t(BI_RGB));
    header.Take(20);
    for (uint32_t rgb : kVgaPalette) {
        // Blue, green, red, 0: read as a little-endian DWORD, 0x00RRGGBB.
        EXPECT_EQ(header.U32(), rgb) << std::hex << "colour " << rgb;
    }

    HICON icon = CreateIconFromResourceEx(const_cast<BYTE*>(image.data), DWORD(image.size), TRUE, 0x00030000,
                                          32, 32, LR_DEFAULTCOLOR);
    EXPECT_NE(icon, nullptr) << "the system rejects the image";
    if (icon != nullptr) DestroyIcon(icon);
}

// The icon is generated from the text pixel map at build time: a bitmap
// stored top-down or a mask of the wrong sense shows here.
TEST_F(ResourceTest, ApplicationIconShowsThePixelMap) {
    const char* mapPath = std::getenv("GLYPHER_ICON_MAP");
    ASSERT_NE(mapPath, nullptr) << "GLYPHER_ICON_MAP names no pixel map";
    std::ifstream mapFile(mapPath);
    ASSERT_TRUE(mapFile) << "cannot read " << mapPath;
    std::vector<std::string> rows;
    for (std::string line; std::getline(mapFile, line);) rows.push_back(line);
    ASSERT_EQ(rows.size(), 32u);

    Reader group(Resource(RT_GROUP_ICON, IDR_MAINFRAME));
    group.Take(6 + 12);
    const Bytes image = Resource(RT_ICON, group.U16());
    ASSERT_EQ(image.size, 40u + 16 * 4 + 32 * 16 + 32 * 4);
    const uint8_t* colours = image.data + 40 + 16 * 4;
    const uint8_t* mask = colours + 32 * 16;

    int wrong = 0;
    for (int y = 0; y < 32; ++y) {
        ASSERT_EQ(rows[y].size(), 32u) << "map row " << y;
        const int stored = 31 - y;  // bottom-up
        for (int x = 0; x < 32; ++x) {
            const int colour = (colours[stored * 16 + x / 2] >> (x % 2 ? 0 : 4)) & 0xF;
            const bool transparent = (mask[stored * 4 + x / 8] >> (7 - x % 8)) & 1;
            const char want = rows[y][x];
            const bool match = want == '.' ? transparent && colour == 0
                                           : !transparent && colour == std::stoi(std::string(1, want), nullptr, 16);
            if (!match && ++wrong <= 5)
                ADD_FAILURE() << "pixel " << x << "," << y << ": map '" << want << "', icon colour " << colour
                              << (transparent ? " transparent" : " opaque");
        }
    }
    EXPECT_EQ(wrong, 0);
}

// A VS_VERSIONINFO node: length, value length, type, key, value, children.
struct VersionNode {
    std::u16string key;
    uint16_t type;
    std::vector<uint8_t> value;
    std::vector<VersionNode> children;

    std::u16string Text() const {
        std::u16string text;
        for (size_t i = 0; i + 1 < value.size(); i += 2) {
            char16_t c = char16_t(value[i] | value[i + 1] << 8);
            if (c == 0) break;
            text += c;
        }
        return text;
    }

    const VersionNode* Child(const std::u16string& name) const {
        for (const VersionNode& child : children)
            if (child.key == name) return &child;
        return nullptr;
    }
};

VersionNode ParseVersionNode(Reader& outer) {
    Reader probe = outer;
    const uint16_t length = probe.U16();
    Reader reader = outer.Sub(length);
    VersionNode node;
    reader.U16();
    const uint16_t valueLength = reader.U16();
    node.type = reader.U16();
    node.key = reader.Sz();
    reader.Align4();
    // Text values count 16-bit characters, binary ones bytes.
    const size_t valueBytes = node.type == 1 ? valueLength * 2u : valueLength;
    const uint8_t* value = reader.Take(valueBytes);
    node.value.assign(value, value + valueBytes);
    reader.Align4();
    while (reader.Left() > 0) {
        node.children.push_back(ParseVersionNode(reader));
        reader.Align4();
    }
    return node;
}

TEST_F(ResourceTest, VersionResource) {
    Reader reader(Resource(RT_VERSION, VS_VERSION_INFO));
    const VersionNode root = ParseVersionNode(reader);
    EXPECT_EQ(root.key, u"VS_VERSION_INFO");

    ASSERT_EQ(root.value.size(), sizeof(VS_FIXEDFILEINFO));
    VS_FIXEDFILEINFO fixed;
    std::memcpy(&fixed, root.value.data(), sizeof fixed);
    EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed.dwStrucVersion, 0x00010000u);
    EXPECT_EQ(fixed.dwFileVersionMS, 0x00010000u);  // 1.0
    EXPECT_EQ(fixed.dwFileVersionLS, 0x00010000u);  // .1.0
    EXPECT_EQ(fixed.dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed.dwProductVersionLS, 0x00010000u);
    EXPECT_EQ(fixed.dwFileFlagsMask, 0x3Fu);
    EXPECT_EQ(fixed.dwFileFlags, 0u);
    EXPECT_EQ(fixed.dwFileOS, 4u);    // 32-bit Windows
    EXPECT_EQ(fixed.dwFileType, 1u);  // application
    EXPECT_EQ(fixed.dwFileSubtype, 0u);

    const VersionNode* strings = root.Child(u"StringFileInfo");
    ASSERT_NE(strings, nullptr);
    ASSERT_EQ(strings->children.size(), 1u);
    const VersionNode& table = strings->children[0];
    EXPECT_EQ(table.key, u"041104b0");  // Japanese, UTF-16
    std::map<std::u16string, std::u16string> texts;
    for (const VersionNode& entry : table.children) {
        EXPECT_EQ(entry.type, 1) << ::testing::PrintToString(entry.key);
        texts[entry.key] = entry.Text();
    }
    const std::map<std::u16string, std::u16string> expectedTexts = {
        {u"Comments", u"通常、変更できないアイコンを変更する"},
        {u"CompanyName", u"KESTRAWN"},
        {u"FileDescription", u"GLYPHER アプリケーション"},
        {u"FileVersion", u"1, 0, 1, 0"},
        {u"InternalName", u"GLYPHER"},
        {u"LegalCopyright", u"Copyright (C) 2026 KESTRAWN"},
        {u"OriginalFilename", u"GLYPHER.EXE"},
        {u"ProductName", u"GLYPHER ｱﾌﾟﾘｹｰｼｮﾝ"},
        {u"ProductVersion", u"1, 0, 1, 0"},
    };
    EXPECT_EQ(texts, expectedTexts);

    const VersionNode* variables = root.Child(u"VarFileInfo");
    ASSERT_NE(variables, nullptr);
    const VersionNode* translation = variables->Child(u"Translation");
    ASSERT_NE(translation, nullptr);
    EXPECT_EQ(translation->value, (std::vector<uint8_t>{0x11, 0x04, 0xB0, 0x04}));  // 0x0411, 0x04B0
}

// The manifest is read by Windows, not by the program: each element below
// changes how the system treats the process.
TEST_F(ResourceTest, ManifestDeclaresWhatTheProgramNeedsFromWindows) {
    const Bytes manifest = Resource(RT_MANIFEST, 1, kNeutral);
    const std::string text(reinterpret_cast<const char*>(manifest.data), manifest.size);
    const char* const elements[] = {
        // It writes under HKEY_LOCAL_MACHINE and HKEY_CLASSES_ROOT.
        "<requestedExecutionLevel level=\"requireAdministrator\" uiAccess=\"false\"/>",
        // Controls in the system's visual style.
        "<assemblyIdentity type=\"win32\" name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\" "
        "processorArchitecture=\"*\" publicKeyToken=\"6595b64144ccf1df\" language=\"*\"/>",
        // Dialogs scaled to the DPI of their monitor, or at least of the system.
        "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true</dpiAware>",
        "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">PerMonitorV2, System"
        "</dpiAwareness>",
        // Code page 932 whatever the system locale.
        "<activeCodePage xmlns=\"http://schemas.microsoft.com/SMI/2019/WindowsSettings\">ja-JP</activeCodePage>",
        // Vista, 7, 8, 8.1, 10 and 11.
        "<supportedOS Id=\"{e2011457-1546-43c5-a5fe-008deee3d3f0}\"/>",
        "<supportedOS Id=\"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}\"/>",
        "<supportedOS Id=\"{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}\"/>",
        "<supportedOS Id=\"{1f676c76-80e1-4239-95bb-83d0f6d0da78}\"/>",
        "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>",
    };
    for (const char* element : elements) EXPECT_NE(text.find(element), std::string::npos) << element;
    EXPECT_EQ(text.find("<!--"), std::string::npos) << "comments are for the source, not the shipped file";
    EXPECT_EQ(text.find('\n'), std::string::npos) << "nor its line breaks";
}

}  // namespace
