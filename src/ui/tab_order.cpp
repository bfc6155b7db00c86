// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/tab_order.h"

#include <QAbstractScrollArea>
#include <QLayout>
#include <QScrollBar>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace oza::ui {

namespace {

struct Item {
  QWidget* widget;
  QRect at;  // in the parent's coordinates
};

bool takesTab(const QWidget* widget) { return (widget->focusPolicy() & Qt::TabFocus) != 0; }

bool holdsControls(const QWidget* widget) {
  const auto children = widget->findChildren<QWidget*>();
  return std::any_of(children.begin(), children.end(),
                     [](const QWidget* child) { return !child->isWindow() && takesTab(child); });
}

// Splits at the first gap along one axis that no item crosses.
bool splitAtGap(std::vector<Item>& items, bool vertical, std::vector<Item>& first, std::vector<Item>& rest) {
  auto low = [vertical](const Item& i) { return vertical ? i.at.top() : i.at.left(); };
  auto high = [vertical](const Item& i) { return vertical ? i.at.bottom() : i.at.right(); };
  std::stable_sort(items.begin(), items.end(), [&](const Item& a, const Item& b) { return low(a) < low(b); });
  int reach = high(items.front());
  for (std::size_t k = 1; k < items.size(); ++k) {
    if (low(items[k]) > reach) {
      first.assign(items.begin(), items.begin() + static_cast<std::ptrdiff_t>(k));
      rest.assign(items.begin() + static_cast<std::ptrdiff_t>(k), items.end());
      return true;
    }
    reach = std::max(reach, high(items[k]));
  }
  return false;
}

void readingOrder(std::vector<Item> items, std::vector<Item>& out) {
  if (items.size() <= 1) {
    out.insert(out.end(), items.begin(), items.end());
    return;
  }
  // Bands from top to bottom first, then columns from left to right.
  std::vector<Item> first, rest;
  if (splitAtGap(items, true, first, rest) || splitAtGap(items, false, first, rest)) {
    readingOrder(first, out);
    readingOrder(rest, out);
    return;
  }
  // Overlapping items: rows by their top edge, each row left to right.
  std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) { return a.at.top() < b.at.top(); });
  for (auto row = items.begin(); row != items.end();) {
    const int middle = row->at.center().y();
    auto end = std::find_if(row, items.end(), [middle](const Item& i) { return i.at.top() > middle; });
    std::stable_sort(row, end, [](const Item& a, const Item& b) { return a.at.left() < b.at.left(); });
    out.insert(out.end(), row, end);
    row = end;
  }
}

void collect(QWidget* parent, std::vector<QWidget*>& chain) {
  // A scrolled area: what it shows, then its bar.
  if (auto* area = qobject_cast<QAbstractScrollArea*>(parent); area && !takesTab(area)) {
    collect(area->viewport(), chain);
    const std::pair<QScrollBar*, Qt::ScrollBarPolicy> bars[] = {
        {area->verticalScrollBar(), area->verticalScrollBarPolicy()},
        {area->horizontalScrollBar(), area->horizontalScrollBarPolicy()}};
    for (const auto& [bar, policy] : bars)
      if (bar && takesTab(bar) && policy != Qt::ScrollBarAlwaysOff) chain.push_back(bar);
    return;
  }
  std::vector<Item> items;
  for (QObject* object : parent->children()) {
    auto* child = qobject_cast<QWidget*>(object);
    if (!child || child->isWindow()) continue;
    // Shown widgets without controls still count: a picture beside a column
    // of boxes keeps the column together.
    if (takesTab(child) || holdsControls(child) || !child->isHidden()) items.push_back({child, child->geometry()});
  }
  std::vector<Item> ordered;
  readingOrder(items, ordered);
  for (const Item& item : ordered) {
    if (takesTab(item.widget)) {
      chain.push_back(item.widget);
    } else if (holdsControls(item.widget)) {
      collect(item.widget, chain);
    }
  }
}

}  // namespace

void chainTabInReadingOrder(QWidget* window) {
  // Positions come from the layouts, also of pages not shown yet.
  for (QLayout* layout : window->findChildren<QLayout*>()) layout->activate();
  std::vector<QWidget*> chain;
  collect(window, chain);
  for (std::size_t k = 1; k < chain.size(); ++k) QWidget::setTabOrder(chain[k - 1], chain[k]);
}

}  // namespace oza::ui
