#include "tests/ui/qt/support.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QStringView>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <array>
#include <cstdio>

#include "runtime/fault.h"

namespace selbrin::ui {

std::vector<std::string> g_log;

EventRouting RecordingRouting() {
  EventRouting r;
  r.Form_Load = Form_Load;
  r.Command3_Click = Command3_Click;
  r.Combo1_Click = [](Form1& f) { g_log.push_back("Combo1_Click " + f.Text(Ctl::Combo1)); };
  r.chkC2_Click = [](Form1& f) {
    g_log.push_back("chkC2_Click " + std::to_string(f.Value(Ctl::chkC2)));
  };
  r.Option1_Click = [](Form1& f, int index) {
    g_log.push_back("Option1_Click " + std::to_string(index));
    if (index == 3) {
      for (int i = 0; i < 8; ++i) f.ClearOption(i);  // leaves no profile selected
    }
  };
  r.Text2_Change = [](Form1& f) {
    const std::string& t = f.Text(Ctl::Text2);
    g_log.push_back("Text2_Change " + t);
    f.SetCaption(Ctl::Label36, "<" + t + ">");
    f.SetText(Ctl::Combo2, t + "0");
    if (t == "0") Raise(FaultKind::DivisionByZero);
    if (t == "00") Raise(FaultKind::Overflow);
    f.SetCaption(Ctl::Label40, t);  // not reached after a fault
  };
  return r;
}

bool Shown(Form1Window& window) {
  window.show();
  return QTest::qWaitForWindowActive(&window);
}

bool ShownExposed(Form1Window& window) {
  window.show();
  return QTest::qWaitForWindowExposed(&window);
}

void ClickButton(QAbstractButton* button) {
  QStyleOptionButton opt;
  opt.initFrom(button);
  QStyle::SubElement e = qobject_cast<QCheckBox*>(button) != nullptr
                             ? QStyle::SE_CheckBoxClickRect
                             : QStyle::SE_RadioButtonClickRect;
  QPoint point = button->style()->subElementRect(e, &opt, button).center();
  QTest::mouseClick(button, Qt::LeftButton, {}, point);
}

void PickFromPopup(QComboBox* combo, int item) {
  combo->showPopup();
  QAbstractItemView* view = combo->view();
  QModelIndex index = view->model()->index(item, 0);
  view->scrollTo(index);
  QVERIFY(QTest::qWaitForWindowExposed(view->window()));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

void Keys(QWidget* field, const QString& keys) {
  for (char32_t ch : keys.toUcs4()) {
    QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString::fromUcs4(&ch, 1), {});
  }
}

void TypeInto(QWidget* field, const QString& keys) {
  field->setFocus();
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  Keys(field, keys);
}

QPalette DarkPalette() {
  QPalette p(QColor(0x35, 0x35, 0x35));  // the window's grey, the rest derived
  p.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
  p.setColor(QPalette::Text, QColor(0xee, 0xee, 0xec));
  p.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xec));
  p.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xec));
  p.setColor(QPalette::Highlight, QColor(0x35, 0x84, 0xe4));
  return p;
}

namespace {

// What the offscreen platform says whenever a window is raised, a popup grabs
// the keyboard or a dialog sizes itself: it has no window system to do so.
constexpr std::array<QStringView, 4> kOffscreenNoise{
    u"This plugin does not support raise()",
    u"This plugin does not support grabbing the keyboard",
    u"This plugin does not support propagateSizeHints()",
    u"QStandardPaths: XDG_RUNTIME_DIR not set",
};

QtMessageHandler g_test_handler = nullptr;

void QuietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  for (QStringView noise : kOffscreenNoise) {
    if (message.startsWith(noise)) return;
  }
  if (g_test_handler != nullptr) {
    g_test_handler(type, context, message);
  } else {
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
  }
}

}  // namespace

void QuietenOffscreenPlatform() { g_test_handler = qInstallMessageHandler(QuietOffscreen); }

// QTest installs its own message handler when a test class starts, so the
// filter goes in front of it again then.
void WindowTest::initTestCase() { g_test_handler = qInstallMessageHandler(QuietOffscreen); }

void WindowTest::cleanupTestCase() { qInstallMessageHandler(g_test_handler); }

std::vector<std::function<std::unique_ptr<QObject>()>>& TestClasses() {
  static std::vector<std::function<std::unique_ptr<QObject>()>> classes;
  return classes;
}

}  // namespace selbrin::ui
