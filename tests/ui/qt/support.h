// What the window's tests share: a recording routing, widget lookup, the user's
// keystrokes and clicks, and the registry the test main runs.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QObject>
#include <QPalette>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "form/form1.h"
#include "ui/qt/form_window.h"

namespace selbrin::ui {

// Positions in the start-up lists.
inline constexpr int kPower30kW = 5;   // Combo1 "30"
inline constexpr int kPulley160 = 7;   // Combo2 / Combo3 "160"
inline constexpr int kPulley224 = 13;  // "224"
inline constexpr int kPulley450 = 21;  // Combo3 "450"

// What the recording routing's handlers ran, in order.
extern std::vector<std::string> g_log;

// A routing whose handlers record what ran; Text2_Change also writes other
// controls and faults on "0" (division by zero) and "00" (overflow), so the
// tests see chains and faults.
EventRouting RecordingRouting();

template <typename W>
W* Find(const Form1Window& window, const char* name) {
  W* w = window.findChild<W*>(QString::fromLatin1(name));
  if (w == nullptr) qFatal("no widget named %s", name);
  return w;
}

// Shows the window and waits until it is active (it has the keyboard); false
// when it does not become so.
bool Shown(Form1Window& window);
// Shows the window and waits only until it is exposed (drawn on the screen).
bool ShownExposed(Form1Window& window);

// A click on a check box's or option button's clickable part.
void ClickButton(QAbstractButton* button);

// Opens the combo box's list and clicks item `item` in it, as a user does.
void PickFromPopup(QComboBox* combo, int item);

// Types each character as one keystroke; unlike QTest::keyClicks, also
// characters beyond Latin-1 ("ş") and beyond 16 bits (an emoji).
void Keys(QWidget* field, const QString& keys);

// Replaces the whole text of a field by typing: select all, then the keys.
void TypeInto(QWidget* field, const QString& keys);

// Keeps the offscreen platform's expected complaints out of the output until
// the first test class starts.
void QuietenOffscreenPlatform();

// A dark palette, as a dark desktop theme gives: light text on dark grey.
QPalette DarkPalette();

// The base of every window test: it clears the log before each test and keeps
// the offscreen platform's expected complaints (it cannot raise a window or
// grab the keyboard) out of the output, so a real warning stands out.
class WindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void cleanupTestCase();
  void init() { g_log.clear(); }
};

// The test classes the main runs, in the order they registered.
std::vector<std::function<std::unique_ptr<QObject>()>>& TestClasses();

template <typename T>
struct Register {
  Register() {
    TestClasses().push_back([] { return std::make_unique<T>(); });
  }
};

}  // namespace selbrin::ui
