#pragma once
#include <QWidget>
#include <cstddef>
#include <vector>

namespace editors {

// The Tab key visits the widgets in this order.
inline void SetTabOrder(const std::vector<QWidget*>& order) {
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace editors
