// "Hakkında…": the program, its version, its licence and every command with its keys.
#include <gtest/gtest.h>

#include "ui/common/about.h"

namespace selbrin::face {
namespace {

TEST(AboutTest, NamesTheProgramAndEachCommandTheFaceOffers) {
  struct Row {
    FaceKind face;
    const char* holds;
    bool held;
  };
  const Row rows[] = {
      {FaceKind::Desktop, "Selbrin 1.00\n", true},
      {FaceKind::Desktop, "MIT", true},
      {FaceKind::Desktop, "Sonuçları kopyala\tCtrl+Shift+C\n", true},
      {FaceKind::Desktop, "PDF olarak kaydet…\tCtrl+Shift+P\n", true},
      {FaceKind::Desktop, "Aç…\tCtrl+O\n", true},
      {FaceKind::Desktop, "Hakkında…\tF1\n", true},
      {FaceKind::Desktop, "Bağlantıyı kopyala", false},
      {FaceKind::DesktopBrowserPrint, "Aç…\tCtrl+O\n", true},
      {FaceKind::DesktopBrowserPrint, "Yazdır…\tCtrl+P\n", true},
      {FaceKind::DesktopBrowserPrint, "PDF olarak kaydet…", false},
      {FaceKind::DesktopBrowserPrint, "Bağlantıyı kopyala", false},
      {FaceKind::Web, "Bağlantıyı kopyala\tCtrl+Shift+L\n", true},
      {FaceKind::Web, "PDF olarak kaydet…", false},
      {FaceKind::Web, "Hakkında…\tF1\n", true},
  };
  for (const Row& row : rows) {
    std::string text = AboutText("1.00", row.face);
    EXPECT_EQ(text.find(row.holds) != std::string::npos, row.held) << row.holds << "\n" << text;
  }
}

}  // namespace
}  // namespace selbrin::face
