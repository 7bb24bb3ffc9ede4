#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include "shell/qt/qt_backend.h"
#include "shell/qt/qt_convert.h"
#include "shell/qt/top_windows.h"

namespace shell::qt {
namespace {

// Marks the entries of the window list, which are rebuilt each time the
// menu opens.
constexpr char kWindowListEntry[] = "kinovexWindowListEntry";

}  // namespace

void QtBackend::SetMenuBar(WindowHandle frame, const MenuItem* bar, int windowMenu) {
  menuBars_[frame] = MenuBarState{bar, windowMenu};
  RefreshMenuBar(frame);
}

// Menus are rebuilt from the program's items, which hold the texts, check
// marks and enabled states. Commands arrive after the menu has closed, as
// they always did, so a command may rebuild the menus it came from.
void QtBackend::RefreshMenuBar(WindowHandle frame) {
  auto* window = As<FrameWindow>(frame);
  auto state = menuBars_.find(frame);
  if (window == nullptr || state == menuBars_.end()) {
    return;
  }
  QMenuBar* menuBar = window->menuBar();
  for (QAction* action : menuBar->actions()) {
    if (QMenu* menu = action->menu()) {
      menu->deleteLater();
    }
  }
  menuBar->clear();
  const MenuItem* bar = state->second.bar;
  if (bar == nullptr) {
    return;
  }
  for (std::size_t index = 0; index < bar->items.size(); ++index) {
    const MenuItem& item = bar->items[index];
    if (!item.IsPopup()) {
      QAction* action = menuBar->addAction(ToQString(item.text));
      action->setEnabled(item.enabled);
      const int id = item.id;
      QObject::connect(action, &QAction::triggered, context_.get(), [this, frame, id] {
        Post([this, frame, id] {
          Event command;
          command.kind = EventKind::kCommand;
          command.id = id;
          Deliver(frame, command);
        });
      });
      continue;
    }
    auto* menu = new QMenu(ToQString(item.text), menuBar);  // owned by the menu bar
    menu->setEnabled(item.enabled);
    BuildMenu(*menu, item, frame);
    if (static_cast<int>(index) == state->second.windowMenu) {
      QObject::connect(menu, &QMenu::aboutToShow, menu,
                       [this, menu, frame] { FillWindowList(*menu, frame); });
    }
    menuBar->addMenu(menu);
  }
}

void QtBackend::BuildMenu(QMenu& menu, const MenuItem& item, WindowHandle frame) {
  for (const MenuItem& child : item.items) {
    if (child.separator) {
      menu.addSeparator();
      continue;
    }
    if (child.IsPopup()) {
      QMenu* sub = menu.addMenu(ToQString(child.text));
      sub->setEnabled(child.enabled);
      BuildMenu(*sub, child, frame);
      continue;
    }
    QAction* action = menu.addAction(ToQString(child.text));
    action->setCheckable(child.checked);
    action->setChecked(child.checked);
    action->setEnabled(child.enabled);
    const int id = child.id;
    QObject::connect(action, &QAction::triggered, context_.get(), [this, frame, id] {
      Post([this, frame, id] {
        Event command;
        command.kind = EventKind::kCommand;
        command.id = id;
        Deliver(frame, command);
      });
    });
  }
}

// The open document windows, numbered from 1, the active one checked.
void QtBackend::FillWindowList(QMenu& menu, WindowHandle frame) {
  for (QAction* action : menu.actions()) {
    if (action->property(kWindowListEntry).toBool()) {
      menu.removeAction(action);
      action->deleteLater();
    }
  }
  QMdiArea* mdi = MdiOf(frame);
  if (mdi == nullptr || mdi->subWindowList().isEmpty()) {
    return;
  }
  QAction* separator = menu.addSeparator();
  separator->setProperty(kWindowListEntry, true);
  int number = 0;
  for (QMdiSubWindow* sub : mdi->subWindowList(QMdiArea::CreationOrder)) {
    ++number;
    QAction* entry = menu.addAction(QStringLiteral("&%1 %2").arg(number).arg(sub->windowTitle()));
    entry->setProperty(kWindowListEntry, true);
    entry->setCheckable(true);
    entry->setChecked(sub == mdi->activeSubWindow());
    QPointer<QMdiSubWindow> target = sub;
    QObject::connect(entry, &QAction::triggered, mdi, [mdi, target] {
      if (target != nullptr) {
        mdi->setActiveSubWindow(target);
      }
    });
  }
}

void QtBackend::SetAccelerators(WindowHandle frame, const std::vector<Accelerator>& keys) {
  auto* window = As<FrameWindow>(frame);
  if (window == nullptr) {
    return;
  }
  for (QPointer<QShortcut>& shortcut : shortcuts_[frame]) {
    delete shortcut.data();
  }
  shortcuts_[frame].clear();
  for (const Accelerator& key : keys) {
    const QKeySequence sequence = QKeySequence::fromString(ToQString(key.keys));
    if (sequence.isEmpty()) {
      continue;
    }
    auto* shortcut = new QShortcut(sequence, window);  // owned by the frame window
    shortcut->setContext(Qt::WindowShortcut);
    const int id = key.command;
    QObject::connect(shortcut, &QShortcut::activated, context_.get(), [this, frame, id] {
      Event command;
      command.kind = EventKind::kCommand;
      command.id = id;
      Deliver(frame, command);
    });
    shortcuts_[frame].push_back(shortcut);
  }
}

}  // namespace shell::qt
