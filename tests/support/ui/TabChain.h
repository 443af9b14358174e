#pragma once
#include <QApplication>
#include <QTest>
#include <QWidget>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

// Widgets of a shown window with the names a test gives them.
using NamedWidgets = std::vector<std::pair<std::string, QWidget*>>;

inline std::vector<std::string> Names(const NamedWidgets& widgets) {
  std::vector<std::string> names;
  for (const auto& [name, widget] : widgets) names.push_back(name);
  return names;
}

// The lists one after another.
inline NamedWidgets Join(std::initializer_list<NamedWidgets> parts) {
  NamedWidgets all;
  for (const NamedWidgets& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// The widgets the Tab key visits in the active window, from the first of `widgets` until the
// focus comes back to it, by their names; one not among `widgets` shows as its class name.
inline std::vector<std::string> TabStops(const NamedWidgets& widgets) {
  const auto nameOf = [&widgets](const QWidget* w) -> std::string {
    for (const auto& [name, widget] : widgets) {
      if (widget == w) return name;
    }
    return w ? w->metaObject()->className() : "no focus";
  };
  QWidget* first = widgets.front().second;
  first->setFocus(Qt::TabFocusReason);
  std::vector<std::string> stops{nameOf(QApplication::focusWidget())};
  constexpr int kMostStops = 40;  // a chain that never comes back stops here
  for (int i = 0; i < kMostStops && QApplication::focusWidget(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    if (QApplication::focusWidget() == first) break;
    stops.push_back(nameOf(QApplication::focusWidget()));
  }
  return stops;
}
