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

TEST_F(DialogControlsTest, ControlsSitWhereTheirRecordsSay) {
  for (const ControlSpec& record : Records()) {
    const QWidget* widget = backend_.Widget(backend_.ControlHandle(dialog_, record.id));
    ASSERT_NE(widget, nullptr) << record.id;
    EXPECT_EQ(widget->geometry(), QRect(record.rect.left, record.rect.top, RectWidth(record.rect),
                                        RectHeight(record.rect)))
        << record.id;
    EXPECT_EQ(widget->parentWidget(), backend_.Widget(dialog_)) << record.id;
  }
  EXPECT_EQ(backend_.ClientSize(dialog_), (Size{240, 170}));
}

TEST_F(DialogControlsTest, ControlsStartWithTheTextsOfTheirRecords) {
  EXPECT_EQ(Control<QLabel>(kCaption)->text(), QStringLiteral("Number of Points:"));
  EXPECT_EQ(backend_.Text(backend_.ControlHandle(dialog_, kName)), "1");
  EXPECT_TRUE(Control<QPushButton>(kOk)->isDefault());
  auto* list = Control<QWidget>(kUnits)->findChild<QComboBox*>();
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->currentText(), QStringLiteral("Cartesian"));
  EXPECT_EQ(backend_.Text(backend_.ControlHandle(dialog_, kUnits)), "Units");
}

TEST_F(DialogControlsTest, CheckBoxChangesOnlyWhenTheProgramSetsIt) {
  QCheckBox* box = Control<QCheckBox>(kTrails);
  box->click();
  EXPECT_FALSE(box->isChecked());
  const auto presses = sink_.Of(EventKind::kButton);
  ASSERT_EQ(presses.size(), 1u);
  EXPECT_EQ(presses.front().window, dialog_);
  EXPECT_EQ(presses.front().event.id, kTrails);
  backend_.SetChecked(backend_.ControlHandle(dialog_, kTrails), true);
  EXPECT_TRUE(backend_.IsChecked(backend_.ControlHandle(dialog_, kTrails)));
}

TEST_F(DialogControlsTest, PopupReportsItsSelectionFromOne) {
  auto* list = Control<QWidget>(kUnits)->findChild<QComboBox*>();
  emit list->activated(1);
  const auto selections = sink_.Of(EventKind::kPopupSelect);
  ASSERT_EQ(selections.size(), 1u);
  EXPECT_EQ(selections.front().event.id, kUnits);
  EXPECT_EQ(selections.front().event.selection, 2);
  backend_.PopupShowItem(backend_.ControlHandle(dialog_, kUnits), 1);
  EXPECT_EQ(list->currentText(), QStringLiteral("Cartesian"));
}

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

TEST_F(DialogControlsTest, TabInAnEditFieldGoesToTheDialog) {
  QLineEdit* edit = Control<QLineEdit>(kName);
  Type(*edit, Qt::Key_Backtab, QString(), Qt::ShiftModifier);
  EXPECT_EQ(edit->text(), QStringLiteral("1"));
  const auto keys = sink_.Of(EventKind::kKeyDown);
  ASSERT_EQ(keys.size(), 1u);
  EXPECT_EQ(keys.front().window, dialog_);
  EXPECT_EQ(keys.front().event.key, Key::kTab);
  EXPECT_TRUE(keys.front().event.modifiers.shift);
  EXPECT_TRUE(sink_.Of(EventKind::kEditChar).empty());
}

TEST_F(DialogControlsTest, OwnerDrawnAreaIsDrawnByTheProgram) {
  sink_.On(EventKind::kOwnerDraw, [this](WindowHandle, const Event& event) {
    auto surface = backend_.OpenSurface(backend_.ControlHandle(dialog_, event.id));
    surface->SetBrush(MakeRgb(255, 0, 255));
    surface->FillRect(Rect{0, 0, 60, 46});
    return 0;
  });
  QWidget* swatch = backend_.Widget(backend_.ControlHandle(dialog_, kSwatch));
  const QImage shot = swatch->grab().toImage();
  EXPECT_EQ(PixelOf(shot, 30, 20), MakeRgb(255, 0, 255));
  const auto draws = sink_.Of(EventKind::kOwnerDraw);
  ASSERT_FALSE(draws.empty());
  EXPECT_EQ(draws.front().window, dialog_);
  EXPECT_EQ(draws.front().event.id, kSwatch);
}

TEST_F(DialogControlsTest, ModalDialogRunsUntilTheProgramEndsIt) {
  sink_.On(EventKind::kButton, [this](WindowHandle window, const Event& event) {
    if (event.id == kOk) {
      backend_.EndModal(window);
    }
    return 0;
  });
  bool hookRan = false;
  QtTestHooks hooks;
  hooks.modalDialog = [&](WindowHandle running) {
    hookRan = true;
    EXPECT_EQ(running, dialog_);
    EXPECT_TRUE(backend_.Widget(dialog_)->isVisible());
    backend_.SetText(backend_.ControlHandle(dialog_, kName), "3");
    Control<QPushButton>(kOk)->click();
  };
  backend_.SetTestHooks(hooks);
  backend_.RunModal(dialog_);
  EXPECT_TRUE(hookRan);
  EXPECT_FALSE(backend_.Widget(dialog_)->isVisible());
  EXPECT_EQ(backend_.Text(backend_.ControlHandle(dialog_, kName)), "3");
  ASSERT_EQ(sink_.Of(EventKind::kButton).size(), 1u);
}

TEST_F(DialogControlsTest, EscapeAsksToCloseAndDestroysWhenAllowed) {
  Type(*backend_.Widget(dialog_)->window(), Qt::Key_Escape, QString());
  ASSERT_EQ(sink_.Of(EventKind::kClose).size(), 1u);
  ASSERT_EQ(sink_.Of(EventKind::kDestroy).size(), 1u);
  EXPECT_EQ(backend_.Widget(dialog_), nullptr);
}

}  // namespace
}  // namespace shell::qt::testing
