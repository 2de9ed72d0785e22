// The program's own resources as Windows reads them from selbrin.exe: the
// icon in every size the shell asks for, and the version record in Turkish.
#include <windows.h>
// after windows.h, which they need
#include <gtest/gtest.h>
#include <winver.h>

#include <set>
#include <string>
#include <vector>

#include "ui/win32/wide.h"

namespace selbrin::win32 {
namespace {

constexpr int kAppIcon = 1;
constexpr UINT kShortcutDescription = 101;  // as packaging/windows/finish-msi.sh names it
constexpr UINT kDriveTypeName = 102;        // as packaging/windows/selbrin.wxs.in names it

#pragma pack(push, 2)
struct IconEntry {  // an image of an icon group, as the resource keeps it
  BYTE width, height, colours, reserved;
  WORD planes, bits;
  DWORD bytes;
  WORD id;
};
struct IconGroup {
  WORD reserved, type, count;
  IconEntry entries[1];
};
#pragma pack(pop)

// The path CMake gave, as Windows names it.
std::wstring ProgramPath() { return L"Z:" + Widen(SELBRIN_EXE); }

// State: the built program.  Action: its application icon read.
// Expected: 16, 24, 32, 48 and 256 px images, each of 32-bit colour (alpha).
TEST(ResourcesTest, TheIconHasEverySizeWithAlpha) {
  HMODULE exe = LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(exe, nullptr);
  HRSRC found =
      FindResourceW(exe, MAKEINTRESOURCEW(kAppIcon), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
  ASSERT_NE(found, nullptr);
  const auto* group = static_cast<const IconGroup*>(LockResource(LoadResource(exe, found)));
  std::set<int> sizes;
  for (int i = 0; i < group->count; ++i) {
    const IconEntry& e = group->entries[i];
    int side = e.width == 0 ? 256 : e.width;
    sizes.insert(side);
    EXPECT_EQ(e.bits, 32) << side << " px";
  }
  EXPECT_EQ(sizes, (std::set<int>{16, 24, 32, 48, 256}));
  FreeLibrary(exe);
}

// State: the built program.  Action: its version record read.
// Expected: in Turkish, named as the program writes itself, with the licence's
// copyright line, the file version numbers as the record's text says them and
// the product version "1.00" of the same major and minor.
TEST(ResourcesTest, TheVersionRecordIsTurkishAndAgreesWithItself) {
  std::wstring path = ProgramPath();
  DWORD size = GetFileVersionInfoSizeW(path.c_str(), nullptr);
  ASSERT_GT(size, 0U);
  std::vector<BYTE> record(size);
  ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, record.data()));
  auto query = [&](const wchar_t* key) -> std::pair<void*, UINT> {
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(record.data(), key, &value, &length)) return {nullptr, 0};
    return {value, length};
  };
  auto [translation, length] = query(L"\\VarFileInfo\\Translation");
  ASSERT_EQ(length, 4U);
  EXPECT_EQ(static_cast<WORD*>(translation)[0], 0x041F);  // Turkish
  EXPECT_EQ(static_cast<WORD*>(translation)[1], 1200);    // Unicode
  auto text = [&](const wchar_t* name) {
    auto [value, n] = query((std::wstring(L"\\StringFileInfo\\041F04B0\\") + name).c_str());
    return value != nullptr ? Narrow(static_cast<const wchar_t*>(value)) : std::string("(none)");
  };
  EXPECT_EQ(text(L"ProductName"), "Selbrin");
  EXPECT_EQ(text(L"LegalCopyright"), "Copyright (c) 2026 The Selbrin developers");
  EXPECT_EQ(text(L"FileDescription"), "Selbrin, kayış kasnak hesabı");
  // The Start menu shortcut's description, by the id the installer names.
  HMODULE exe = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  wchar_t shortcut[64] = {};
  LoadStringW(exe, kShortcutDescription, shortcut, 64);
  wchar_t drive_type[64] = {};
  LoadStringW(exe, kDriveTypeName, drive_type, 64);
  FreeLibrary(exe);
  EXPECT_EQ(Narrow(shortcut), "Selbrin, kayış kasnak hesabı");
  EXPECT_EQ(Narrow(drive_type), "Selbrin kayış hesabı");
  auto [fixed, fixed_length] = query(L"\\");
  ASSERT_EQ(fixed_length, sizeof(VS_FIXEDFILEINFO));
  const auto* info = static_cast<const VS_FIXEDFILEINFO*>(fixed);
  std::string numbers = std::to_string(HIWORD(info->dwFileVersionMS)) + "." +
                        std::to_string(LOWORD(info->dwFileVersionMS)) + "." +
                        std::to_string(HIWORD(info->dwFileVersionLS)) + "." +
                        std::to_string(LOWORD(info->dwFileVersionLS));
  EXPECT_EQ(text(L"FileVersion"), numbers);
  EXPECT_EQ(text(L"ProductVersion"), SELBRIN_VERSION_TEXT);
  char shown[16] = {};
  snprintf(shown, sizeof shown, "%u.%02u", HIWORD(info->dwProductVersionMS),
           LOWORD(info->dwProductVersionMS));
  EXPECT_EQ(std::string(shown), SELBRIN_VERSION_TEXT);
}

}  // namespace
}  // namespace selbrin::win32
