// The rules every face shares: the fault message, what a screen reader reads,
// the pixel geometry and the keyboard.
#include <gtest/gtest.h>

#include "ui/common/command_keys.h"
#include "ui/common/fault_message.h"
#include "ui/common/geometry.h"
#include "ui/common/keyboard.h"
#include "ui/common/look.h"
#include "ui/common/reading.h"
#include "ui/common/reading_order.h"

namespace selbrin::face {
namespace {

TEST(FaultMessageTest, NamesWhatTheUserWasDoingAndTheKind) {
  struct Row {
    Ctl acted_on;
    FaultKind kind;
    const char* text;
  };
  const Row rows[] = {
      {Ctl::Text2, FaultKind::Overflow, "Vida Deviri: Taşma"},
      {Ctl::Text11, FaultKind::InvalidArgument, "Kayış Boyu: Geçersiz değer"},
      {Ctl::Combo3, FaultKind::DivisionByZero, "Vida Kasnağı Çapı: Sıfıra bölme"},
      {Ctl::Command1, FaultKind::DivisionByZero, "Hesapla: Sıfıra bölme"},
      {Ctl::chk4kutup, FaultKind::Overflow, "4 Kutuplu: Taşma"},
      {Ctl::Option1_6, FaultKind::Overflow, "Kayış SPB: Taşma"},
  };
  for (const Row& row : rows) EXPECT_EQ(FaultText(row.acted_on, row.kind), row.text);
}

TEST(FaultMessageTest, ClosesByEscOrByTheNextActionWithoutAFault) {
  FaultMessage m;
  EXPECT_FALSE(m.Escape());  // nothing to close: Esc is left to the form
  m.ActionEnded(Ctl::Text2, FaultKind::DivisionByZero);
  EXPECT_TRUE(m.shown());
  m.ActionEnded(Ctl::Text2, FaultKind::Overflow);  // the same message, new text
  EXPECT_EQ(m.text(), "Vida Deviri: Taşma");
  EXPECT_TRUE(m.Escape());
  EXPECT_FALSE(m.shown());
  m.ActionEnded(Ctl::Text11, FaultKind::Overflow);
  m.ActionEnded(Ctl::Text2, std::nullopt);
  EXPECT_FALSE(m.shown());
}

TEST(ReadingTest, ADisplayReadsCaptionValueAndUnit) {
  EXPECT_EQ(DisplayReading(Ctl::Label31, "2940"), "Motor Deviri: 2940 d/dk");
  EXPECT_EQ(DisplayReading(Ctl::Label36, "4.00"), "Devir Oranı (i): 4.00");  // no unit
  EXPECT_EQ(DisplayReading(Ctl::Label31, ""), "Motor Deviri (d/dk)");
}

TEST(GeometryTest, EdgesAreRoundedSoNeighboursStillTouch) {
  // Label31 ends at 1935 twips and its neighbour Label4 starts at 2040.
  EXPECT_EQ(PlaceAt(Def(Ctl::Label31).geometry, 1.0), (PixelRect{80, 16, 49, 19}));
  EXPECT_EQ(PlaceAt({0, 0, 1000, 1000}, 1.25), (PixelRect{0, 0, 83, 83}));
  EXPECT_EQ(PlaceAt({1000, 0, 1000, 1000}, 1.25), (PixelRect{83, 0, 84, 83}));
  EXPECT_EQ(ClientAreaAt(1.0), (PixelRect{0, 0, 475, 316}));
  EXPECT_EQ(ClientAreaAt(2.0), (PixelRect{0, 0, 950, 632}));
}

TEST(GeometryTest, TheScaleMakesRoomForTheContentAndNeverShrinks) {
  EXPECT_DOUBLE_EQ(ScaleToFit({0, 0, 1500, 300}, 50, 10), 1.0);
  EXPECT_DOUBLE_EQ(ScaleToFit({0, 0, 1500, 300}, 150, 10), 1.5);
  EXPECT_DOUBLE_EQ(ScaleToFit({0, 0, 1500, 300}, 50, 40), 2.0);
}

TEST(GeometryTest, AWindowIsCentredOrKeptAtTheTopLeft) {
  const PixelRect area{0, 30, 1280, 770};
  EXPECT_EQ(CentreIn(area, 480, 350), (PixelRect{400, 240, 480, 350}));
  EXPECT_EQ(CentreIn(area, 1300, 700), (PixelRect{0, 65, 1300, 700}));  // too wide only
  EXPECT_EQ(CentreIn(area, 1300, 800), (PixelRect{0, 30, 1300, 800}));
}

TEST(GeometryTest, TheFormScalesToTheNeediestControl) {
  std::array<PixelSize, kControlCount> need{};
  EXPECT_EQ(FormScale(need), 1.0);  // never below 1
  // Label1 is 1095 x 375 twips, 73 x 25 pixels at scale 1.
  need[static_cast<std::size_t>(Ctl::Label1)] = {146, 10};
  EXPECT_DOUBLE_EQ(FormScale(need), 2.0);
}

TEST(GeometryTest, TheClientAreaFitsTheScreenInsideItsFrame) {
  EXPECT_DOUBLE_EQ(ScaleForArea({485, 346}, {10, 30}), 1.0);  // 475 x 316 at scale 1
  const double scale = ScaleForArea({1280, 800}, {0, 0});
  EXPECT_LE(ClientAreaAt(scale).height, 800);
  EXPECT_GT(ClientAreaAt(scale + 0.01).height, 800);
}

// Label1 needs twice its width at 10 points, in proportion to the font.
TEST(GeometryTest, ASmallScreenGetsASmallerFontNotBelowTheSmallest) {
  auto need = [](double points) {
    ControlNeeds n{};
    n[static_cast<std::size_t>(Ctl::Label1)] = {static_cast<int>(146 * points / 10), 10};
    return n;
  };
  struct Case {
    double room, size, scale;
  } const cases[] = {
      {3.0, 10, 2.0},   // room enough at the default size
      {1.6, 8, 1.589},  // a smaller font, at the scale it needs
      {1.0, 7, 1.397},  // not even the smallest fits: the smallest at its scale
  };
  for (const Case& c : cases) {
    FormFit fit = FitForm({10, kSmallestFontPoints, 0.5}, 1.0, c.room, need);
    EXPECT_DOUBLE_EQ(fit.size, c.size) << c.room;
    EXPECT_NEAR(fit.scale, c.scale, 0.001) << c.room;
  }
  // A room below the floor lowers it: the form is drawn smaller than at scale 1.
  EXPECT_NEAR(FitForm({10, 1, 1}, 2.5, 0.7, need).scale, 0.7, 0.01);
}

TEST(GeometryTest, TheFaultMessageStandsBesideTheForm) {
  const PixelRect area{0, 0, 1280, 800};
  EXPECT_EQ(PlaceBeside({400, 200, 480, 350}, area, 200, 100), (PixelRect{888, 200, 200, 100}));
  EXPECT_EQ(PlaceBeside({1000, 200, 270, 350}, area, 200, 100), (PixelRect{792, 200, 200, 100}));
  EXPECT_EQ(PlaceBeside({0, 0, 1280, 600}, area, 200, 100), (PixelRect{0, 608, 200, 100}));
  EXPECT_EQ(PlaceBeside({0, 0, 1280, 800}, area, 200, 100), (PixelRect{1080, 700, 200, 100}));
  // No room beside: a corner that leaves the acted-on field's row clear.
  const PixelRect low_field{100, 720, 80, 24};
  EXPECT_EQ(PlaceBeside({0, 0, 1280, 800}, area, 200, 100, low_field),
            (PixelRect{1080, 0, 200, 100}));
  const PixelRect high_field{100, 40, 80, 24};
  EXPECT_EQ(PlaceBeside({0, 0, 1280, 800}, area, 200, 100, high_field),
            (PixelRect{1080, 700, 200, 100}));
  // A form larger than the screen: the corner of the part on screen.
  EXPECT_EQ(PlaceBeside({-10, -20, 1400, 900}, area, 200, 100, low_field),
            (PixelRect{1080, 0, 200, 100}));
}

TEST(KeyboardTest, ArrowsMoveThroughTheOptionGroupAndWrapAround) {
  EXPECT_EQ(OptionAfterArrow(3, Arrow::Right), 4);
  EXPECT_EQ(OptionAfterArrow(3, Arrow::Down), 4);
  EXPECT_EQ(OptionAfterArrow(3, Arrow::Left), 2);
  EXPECT_EQ(OptionAfterArrow(3, Arrow::Up), 2);
  EXPECT_EQ(OptionAfterArrow(7, Arrow::Down), 0);
  EXPECT_EQ(OptionAfterArrow(0, Arrow::Up), 7);
  EXPECT_EQ(OptionTabStop(std::nullopt), 0);
  EXPECT_EQ(OptionTabStop(5), 5);
}

TEST(KeyboardTest, EnterClicksOnlyButtonsAndTheWheelSkipsClosedLists) {
  struct Row {
    FormKey key;
    Kind focused;
    bool list_open;
    KeyAnswer answer;
  };
  const Row rows[] = {
      {FormKey::Enter, Kind::CommandButton, false, KeyAnswer::Click},
      {FormKey::Enter, Kind::ComboBox, false, KeyAnswer::Nothing},
      {FormKey::Enter, Kind::TextBox, false, KeyAnswer::Nothing},
      {FormKey::Enter, Kind::ComboBox, true, KeyAnswer::Control},
      {FormKey::Arrow, Kind::OptionButton, false, KeyAnswer::MoveOption},
      {FormKey::Arrow, Kind::TextBox, false, KeyAnswer::Control},
      {FormKey::Other, Kind::CommandButton, false, KeyAnswer::Control},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(AnswerToKey(row.key, row.focused, row.list_open), row.answer)
        << static_cast<int>(row.key) << " " << static_cast<int>(row.focused);
  }
  EXPECT_FALSE(WheelReaches(Kind::ComboBox, false));
  EXPECT_TRUE(WheelReaches(Kind::ComboBox, true));
  EXPECT_TRUE(WheelReaches(Kind::TextBox, false));
}

TEST(LookTest, DisplaysSitOnTheFormAndEveryFrameReachesThreeToOne) {
  EXPECT_EQ(LookOf(Kind::Display).background, Surface::Form);
  EXPECT_EQ(LookOf(Kind::TextBox).background, Surface::Input);
  EXPECT_EQ(LookOf(Kind::ComboBox).background, Surface::Input);
  EXPECT_DOUBLE_EQ(Contrast({0, 0, 0}, {1, 1, 1}), 21);
  auto grey = [](int v) { return Rgb{v / 255.0, v / 255.0, v / 255.0}; };
  struct Palette {
    const char* what;
    Rgb form, text;
  };
  const Palette palettes[] = {{"Windows light", grey(240), grey(0)},
                              {"Qt light", grey(239), grey(0)},
                              {"Qt dark", grey(53), grey(255)},
                              {"page dark", grey(45), grey(232)}};
  for (const Palette& p : palettes) {
    for (Kind kind : {Kind::Display, Kind::TextBox, Kind::CheckBox, Kind::OptionButton}) {
      double share = LookOf(kind).frame_share;
      EXPECT_GE(Contrast(Mix(p.form, p.text, share), p.form), 3.0)
          << p.what << " " << static_cast<int>(kind);
    }
  }
}

TEST(KeyboardTest, TabFollowsTheTabIndexThroughEveryInput) {
  std::vector<Ctl> order = TabOrder();
  ASSERT_EQ(order.size(), 23u);  // 3 check boxes, 3 combos, 7 text boxes, 8 options, 2 buttons
  EXPECT_EQ(order.front(), Ctl::Text2);
  for (std::size_t i = 1; i < order.size(); ++i) {
    EXPECT_LT(Def(order[i - 1]).tab_index, Def(order[i]).tab_index);
  }
}

TEST(KeyboardTest, PagesReadEveryControlInTabOrderWithTheInputsAsTabGoes) {
  std::vector<Ctl> reading = ReadingOrder();
  ASSERT_EQ(reading.size(), kControlCount);
  std::vector<Ctl> inputs;
  for (Ctl c : reading) {
    if (Def(c).kind != Kind::Label && Def(c).kind != Kind::Display) inputs.push_back(c);
  }
  EXPECT_EQ(inputs, TabOrder());
}

TEST(CommandKeysTest, ShortcutsAreShownAndMatchedExactly) {
  struct Row {
    bool shift;
    char letter;
    std::optional<SheetCommand> command;
  };
  const Row rows[] = {
      {true, 'C', SheetCommand::CopyResults},
      {true, 'c', SheetCommand::CopyResults},
      {false, 'p', SheetCommand::Print},
      {true, 'P', SheetCommand::SavePdf},
      {false, 'c', std::nullopt},  // the boxes' own copy
      {false, 'S', std::nullopt},  // the drive file's save
      {false, 'x', std::nullopt},
  };
  for (const Row& row : rows) EXPECT_EQ(CommandForKeys(row.shift, row.letter), row.command);
  EXPECT_EQ(ShortcutText(kSheetCommands[0].keys), "Ctrl+Shift+C");
  EXPECT_EQ(ShortcutText(kSheetCommands[1].keys), "Ctrl+P");
  EXPECT_EQ(ShortcutText(kSheetCommands[2].keys), "Ctrl+Shift+P");
}

}  // namespace
}  // namespace selbrin::face
