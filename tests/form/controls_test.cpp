#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "form/controls.h"
#include "form/form1.h"

namespace selbrin {
namespace {

TEST(Controls, EveryIdNamesItsOwnRow) {
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    auto c = static_cast<Ctl>(i);
    EXPECT_EQ(FindControl(ControlName(c)), c) << ControlName(c);
  }
  EXPECT_EQ(ControlName(Ctl::Option1_6), "Option1(6)");
  EXPECT_FALSE(FindControl("Text3").has_value());
}

struct CaptionCase {
  Ctl control;
  const char* caption;
};

class CaptionTest : public testing::TestWithParam<CaptionCase> {};

TEST_P(CaptionTest, IsWrittenExactly) {
  EXPECT_EQ(Def(GetParam().control).caption, GetParam().caption) << ControlName(GetParam().control);
}

INSTANTIATE_TEST_SUITE_P(
    Form, CaptionTest,
    testing::Values(
        CaptionCase{Ctl::Label1, "Motor Deviri ="}, CaptionCase{Ctl::Label4, "d/dk"},
        CaptionCase{Ctl::Label7, "Motor Gücü ="}, CaptionCase{Ctl::Label22, "kW"},
        CaptionCase{Ctl::chkKompakt, "Kompakt Motor"}, CaptionCase{Ctl::chk4kutup, "4 Kutuplu"},
        CaptionCase{Ctl::Label2, "Vida Deviri ="}, CaptionCase{Ctl::Label5, "d/dk"},
        CaptionCase{Ctl::Label3, "Devir Oranı (i) ="}, CaptionCase{Ctl::chkC2, "Ağır Hizmet"},
        CaptionCase{Ctl::Label9, "Motor Kasnağı Çapı ="}, CaptionCase{Ctl::Label25, "mm"},
        CaptionCase{Ctl::Label18, "Burç ="}, CaptionCase{Ctl::Label11, "Motor Mili Çapı ="},
        CaptionCase{Ctl::Label23, "mm"}, CaptionCase{Ctl::Label10, "Vida Kasnağı Çapı ="},
        CaptionCase{Ctl::Label26, "mm"}, CaptionCase{Ctl::Label20, "Burç ="},
        CaptionCase{Ctl::Label12, "Vida Mili Çapı ="}, CaptionCase{Ctl::Label24, "mm"},
        CaptionCase{Ctl::Label6, "Kayış ="}, CaptionCase{Ctl::Option1_0, "XPZ"},
        CaptionCase{Ctl::Option1_1, "XPA"}, CaptionCase{Ctl::Option1_2, "XPB"},
        CaptionCase{Ctl::Option1_3, "XPC"}, CaptionCase{Ctl::Option1_4, "SPZ"},
        CaptionCase{Ctl::Option1_5, "SPA"}, CaptionCase{Ctl::Option1_6, "SPB"},
        CaptionCase{Ctl::Option1_7, "SPC"}, CaptionCase{Ctl::Label8, "Kayış Sayısı ="},
        CaptionCase{Ctl::Label13, "Eksen Mesafesi ="}, CaptionCase{Ctl::Label27, "mm"},
        CaptionCase{Ctl::Label14, "Kayış Boyu ="}, CaptionCase{Ctl::Label28, "mm"},
        CaptionCase{Ctl::Label34, "Açı ="}, CaptionCase{Ctl::Label33, "derece"},
        CaptionCase{Ctl::Label16, "Tek Kayışın Gücü ="}, CaptionCase{Ctl::Label29, "kW"},
        CaptionCase{Ctl::Label37, "Kasnak Genişliği ="}, CaptionCase{Ctl::Label39, "mm"},
        CaptionCase{Ctl::Label17, "Toplam Kayış Gücü ="}, CaptionCase{Ctl::Label30, "kW"},
        CaptionCase{Ctl::Command1, "Hesapla"}, CaptionCase{Ctl::Command3, "Çıkış"},
        CaptionCase{Ctl::Label41, "Kayış Hızı ="}, CaptionCase{Ctl::Label42, "m/sn"},
        // inputs, results and displays start empty
        CaptionCase{Ctl::Text2, ""}, CaptionCase{Ctl::Label31, ""}, CaptionCase{Ctl::Combo1, ""},
        CaptionCase{Ctl::Label40, ""}));

TEST(Controls, TooltipsAreOnTheirLabelsOnly) {
  for (const ControlDef& d : kControls) {
    if (d.name == "Label16") {
      EXPECT_EQ(d.tooltip, "ContiTech");
    } else if (d.name == "Label41") {
      EXPECT_EQ(d.tooltip, "En çok 50 m/sn");
    } else {
      EXPECT_TRUE(d.tooltip.empty()) << d.name;
    }
  }
}

TEST(Controls, TabIndicesRunFromZeroTo64WithoutGaps) {
  std::set<int> tabs;
  for (const ControlDef& d : kControls) tabs.insert(d.tab_index);
  ASSERT_EQ(tabs.size(), 65U);
  EXPECT_EQ(*tabs.begin(), 0);
  EXPECT_EQ(*tabs.rbegin(), 64);
}

TEST(Controls, FocusOrderFollowsTheTabIndices) {
  std::vector<const ControlDef*> focusable;
  for (const ControlDef& d : kControls) {
    if (d.kind != Kind::Label && d.kind != Kind::Display) focusable.push_back(&d);
  }
  std::sort(focusable.begin(), focusable.end(),
            [](auto* a, auto* b) { return a->tab_index < b->tab_index; });
  std::vector<std::string> order;
  for (const ControlDef* d : focusable) {
    std::string name(d->name);
    if (order.empty() || order.back() != name) order.push_back(name);
  }
  EXPECT_EQ(order,
            (std::vector<std::string>{"Text2", "Option1", "Text9", "chkKompakt", "Text5", "Text10",
                                      "Text11", "Text12", "Text13", "Command1", "Command3",
                                      "chk4kutup", "Combo1", "Combo2", "Combo3", "chkC2"}));
}

TEST(Controls, OptionButtonsStandSideBySide) {
  for (int i = 0; i < kProfileCount; ++i) {
    const ControlDef& d = Def(Option(i));
    EXPECT_EQ(d.index, i);
    EXPECT_EQ(d.geometry.left, 840 + 720 * i);
    EXPECT_EQ(d.tab_index, 7 + i);
    EXPECT_EQ(d.initial_value, i == 6 ? 1 : 0);
  }
}

TEST(Controls, EveryControlFitsTheClientArea) {
  for (const ControlDef& d : kControls) {
    EXPECT_LE(d.geometry.left + d.geometry.width, 7125) << d.name;
    EXPECT_LE(d.geometry.top + d.geometry.height, 4740) << d.name;
  }
}

TEST(Controls, OnlyText2LimitsTyping) {
  for (const ControlDef& d : kControls) EXPECT_EQ(d.max_chars, d.name == "Text2" ? 5 : 0) << d.name;
}

TEST(Controls, AccessibleNamesJoinCaptionAndUnit) {
  EXPECT_EQ(AccessibleName(Ctl::Label31), "Motor Deviri (d/dk)");
  EXPECT_EQ(AccessibleName(Ctl::Text2), "Vida Deviri (d/dk)");
  EXPECT_EQ(AccessibleName(Ctl::Label36), "Devir Oranı (i)");
  EXPECT_EQ(AccessibleName(Ctl::Text5), "Kayış Sayısı");
  EXPECT_EQ(AccessibleName(Ctl::Option1_2), "Kayış XPB");
  EXPECT_EQ(AccessibleName(Ctl::chkC2), "Ağır Hizmet");
  // One "Burç" caption serves two displays: each names its pulley.
  EXPECT_EQ(AccessibleName(Ctl::Label19), "Burç (Motor Kasnağı)");
  EXPECT_EQ(AccessibleName(Ctl::Label21), "Burç (Vida Kasnağı)");
  for (const ControlDef& d : kControls) {
    bool needs_caption = d.kind == Kind::TextBox || d.kind == Kind::ComboBox ||
                         d.kind == Kind::Display || d.kind == Kind::OptionButton;
    if (needs_caption) {
      EXPECT_NE(d.label, Ctl::None) << d.name << " has no caption for screen readers";
    }
  }
}

TEST(FormLoad, FillsTheThreeListsInOrder) {
  Form1 form;
  EXPECT_EQ(form.Items(Ctl::Combo1),
            (std::vector<std::string>{"7.5", "11", "15", "18.5", "22", "30", "37", "45", "55", "75",
                                      "90", "110", "132", "160"}));
  std::vector<std::string> pulleys{"100", "112", "118", "125", "132", "140", "150", "160", "170",
                                   "180", "190", "200", "212", "224", "236", "250", "265", "280",
                                   "300", "315", "335", "355", "375", "400", "425", "450", "500"};
  EXPECT_EQ(form.Items(Ctl::Combo2), pulleys);
  EXPECT_EQ(form.Items(Ctl::Combo3), pulleys);
}

}  // namespace
}  // namespace selbrin
