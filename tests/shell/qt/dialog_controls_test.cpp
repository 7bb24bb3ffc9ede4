#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "qt_fixture.h"

namespace shell::qt::testing {
namespace {

constexpr int kOk = 1;
constexpr int kName = 10;
constexpr int kUnits = 11;
constexpr int kTrails = 12;
constexpr int kCaption = 13;
constexpr int kSwatch = 14;

ControlSpec Record(ControlKind kind, int id, const char* text, Rect rect) {
  ControlSpec record;
  record.kind = kind;
  record.id = id;
  record.text = text;
  record.rect = rect;
  return record;
}

std::vector<ControlSpec> Records() {
  ControlSpec units = Record(ControlKind::kPopup, kUnits, "Units", Rect{10, 40, 230, 64});
  units.items = {"Cartesian", "Polar"};
  ControlSpec ok = Record(ControlKind::kPushButton, kOk, "OK", Rect{150, 130, 230, 154});
  ok.defaultButton = true;
  return {
      Record(ControlKind::kLabel, kCaption, "Number of Points:", Rect{10, 8, 150, 26}),
      Record(ControlKind::kEditField, kName, "1", Rect{160, 6, 230, 28}),
      units,
      Record(ControlKind::kCheckBox, kTrails, "Show Trails", Rect{10, 74, 160, 94}),
      Record(ControlKind::kDrawnArea, kSwatch, "", Rect{170, 74, 230, 120}),
      ok,
  };
}

class DialogControlsTest : public QtBackendTest {
 protected:
  void SetUp() override {
    sink_.On(EventKind::kCreate, [this](WindowHandle window, const Event&) {
      for (const ControlSpec& record : Records()) {
        backend_.CreateControl(window, record);
      }
      return 0;
    });
    DialogSpec request;
    request.title = "Number of Points";
    request.rect = Rect{100, 100, 340, 270};
    dialog_ = backend_.CreateDialog(request);
  }

  template <typename W>
  W* Control(int id) {
    return qobject_cast<W*>(backend_.Widget(backend_.ControlHandle(dialog_, id)));
  }

  static void Type(QWidget& widget, int key, const QString& text,
                   Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(&widget, &press);
  }

  WindowHandle dialog_ = kNoWindow;
};

TEST_F(DialogControlsTest, EditFieldTypesOnlyWhatTheFilterLeaves) {
  sink_.On(EventKind::kEditChar, [](WindowHandle, const Event& event) {
    const bool digit = event.character >= U'0' && event.character <= U'9';
    return digit || event.character == 8 ? kNotHandled : 0;
  });
  QLineEdit* edit = Control<QLineEdit>(kName);
  edit->setFocus();
  edit->setCursorPosition(1);
  Type(*edit, Qt::Key_Minus, QStringLiteral("-"));
  Type(*edit, Qt::Key_Period, QStringLiteral("."));
  Type(*edit, Qt::Key_5, QStringLiteral("5"));
  EXPECT_EQ(edit->text(), QStringLiteral("15"));
  Type(*edit, Qt::Key_Backspace, QStringLiteral("\b"));
  EXPECT_EQ(edit->text(), QStringLiteral("1"));
  const auto typed = sink_.Of(EventKind::kEditChar);
  ASSERT_EQ(typed.size(), 4u);
  EXPECT_EQ(typed[0].event.id, kName);
  EXPECT_EQ(typed[0].event.character, U'-');
  EXPECT_EQ(typed[3].event.character, 8u);
}

}  // namespace
}  // namespace shell::qt::testing
