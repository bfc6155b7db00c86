// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/tables_window.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "document/loaded_image.h"
#include "image/hex_fields.h"
#include "image/table_layout.h"
#include "text/number_text.h"
#include "ui/binder.h"
#include "ui/report_parts.h"

namespace oza::ui {

namespace {

constexpr int kFirstRole = Qt::UserRole;
constexpr int kLengthRole = Qt::UserRole + 1;
// A hostile size may claim the whole image: the view shows its start.
constexpr std::int64_t kLargestDump = 16384;

QString hex(std::int64_t value) { return toQt("0x" + hexText(static_cast<std::uint64_t>(value), 4)); }

QTreeWidgetItem* addRow(QTreeWidgetItem* parent, const QStringList& columns, std::int64_t first = 0,
                        std::int64_t length = 0) {
  auto* item = new QTreeWidgetItem(parent, columns);
  item->setData(0, kFirstRole, QVariant::fromValue<qlonglong>(first));
  item->setData(0, kLengthRole, QVariant::fromValue<qlonglong>(length));
  return item;
}

void addMaster(QTreeWidget* tree, const QString& title, const MasterTable& master) {
  auto* top = new QTreeWidgetItem(tree, {QString(), title});
  if (!master.header) return;
  top->setText(2, hex(master.header->position));
  top->setText(3, QString::number(master.header->size));
  top->setData(0, kFirstRole, QVariant::fromValue<qlonglong>(master.header->position));
  top->setData(0, kLengthRole, QVariant::fromValue<qlonglong>(master.header->size));
  for (const AtomTableEntry& entry : master.entries) {
    const QString index = QString::number(entry.index);
    const QString name = toQt(entry.name);
    if (!entry.present()) {
      addRow(top, {index, name, QStringLiteral("absent")});
      continue;
    }
    if (!entry.header) {
      addRow(top, {index, name, hex(entry.offset), QStringLiteral("outside the file")});
      continue;
    }
    const TableHeader& h = *entry.header;
    QTreeWidgetItem* row = addRow(top,
                                  {index, name, hex(entry.offset), QString::number(h.size),
                                   QString::number(h.formatRevision) + '.' + QString::number(h.contentRevision)},
                                  entry.offset, h.size);
    if (entry.workspaceBytes)
      row->setToolTip(1,
                      QStringLiteral("Work space %1 bytes, parameter space %2 bytes, updated by utility: %3")
                          .arg(*entry.workspaceBytes)
                          .arg(entry.parameterBytes.value_or(0))
                          .arg(entry.updatedByUtility.value_or(false) ? QStringLiteral("yes") : QStringLiteral("no")));
  }
}

void addModules(QTreeWidget* tree, const std::optional<VramInfo>& info) {
  if (!info) return;
  auto* top = new QTreeWidgetItem(tree, {QString(), QStringLiteral("Memory modules")});
  for (std::size_t m = 0; m < info->modules.size(); ++m) {
    const MemoryModule& module = info->modules[m];
    QString name = toQt(module.vendor() + " " + module.type());
    if (module.sizeMb) name += QStringLiteral(" %1 MB").arg(*module.sizeMb);
    QTreeWidgetItem* row = addRow(top, {QString::number(m), name, hex(module.position), QString::number(module.size)},
                                  module.position, module.size);
    for (std::size_t s = 0; s < module.straps.size(); ++s) {
      const MemoryStrap& strap = module.straps[s];
      addRow(row,
             {QString::number(s), toQt("up to " + decimalText(strap.upTo / 100.0) + " MHz"), hex(strap.position),
              QString::number(module.strapStride)},
             strap.position, module.strapStride);
    }
  }
  for (const std::string& problem : info->problems) addRow(top, {QString(), toQt(problem)});
}

void addFindings(QTreeWidget* tree, const std::vector<LayoutFinding>& findings) {
  if (findings.empty()) return;
  auto* top = new QTreeWidgetItem(tree, {QString(), QStringLiteral("Findings")});
  for (const LayoutFinding& finding : findings) addRow(top, {QString(), toQt(finding.text)});
}

// "0xB34A  45 04 01 04 ...  E..." lines of 16 bytes.
QString dump(const ByteImage& image, std::int64_t first, std::int64_t length) {
  QString text;
  const std::int64_t end = std::min({first + length, image.size(), first + kLargestDump});
  for (std::int64_t line = first; line < end; line += 16) {
    QString bytes, chars;
    for (std::int64_t p = line; p < line + 16; ++p) {
      const std::optional<std::uint8_t> value = p < end ? image.at(p) : std::nullopt;
      bytes += value ? toQt(hexByte(*value)) + ' ' : QStringLiteral("   ");
      if (value) chars += *value >= 0x20 && *value < 0x7F ? QChar(*value) : QChar('.');
    }
    text += hex(line) + QStringLiteral("  ") + bytes + ' ' + chars + '\n';
  }
  if (first + length > end) text += QStringLiteral("...\n");
  return text;
}

void appendRows(const QTreeWidgetItem* item, int level, QString& text) {
  QStringList columns;
  for (int c = 0; c < item->columnCount(); ++c) columns << item->text(c);
  text += QString(level, '\t') + columns.join('\t') + '\n';
  for (int i = 0; i < item->childCount(); ++i) appendRows(item->child(i), level + 1, text);
}

}  // namespace

TablesWindow::TablesWindow(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Tables"));
  setObjectName(QStringLiteral("TablesWindow"));
  auto* layout = new QVBoxLayout(this);
  auto* split = new QSplitter(this);
  tree_ = new QTreeWidget(split);
  tree_->setObjectName(QStringLiteral("tables"));
  tree_->setHeaderLabels({QStringLiteral("Index"), QStringLiteral("Name"), QStringLiteral("Offset"),
                          QStringLiteral("Size"), QStringLiteral("Revision")});
  bytes_ = new QPlainTextEdit(split);
  bytes_->setObjectName(QStringLiteral("bytes"));
  bytes_->setReadOnly(true);
  bytes_->setLineWrapMode(QPlainTextEdit::NoWrap);
  bytes_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  // A whole line of 16 bytes, their text beside them, without scrolling.
  bytes_->setMinimumWidth(QFontMetrics(bytes_->font()).horizontalAdvance(QString(78, '0')) +
                          bytes_->verticalScrollBar()->sizeHint().width() + 12);
  split->setStretchFactor(0, 1);
  split->setStretchFactor(1, 1);
  layout->addWidget(split, 1);
  connect(tree_, &QTreeWidget::currentItemChanged, this, [this] { showBytes(); });
  auto* copy = new QShortcut(QKeySequence::Copy, tree_, nullptr, nullptr, Qt::WidgetShortcut);
  connect(copy, &QShortcut::activated, this, [this] { copySelection(); });
  addReportFooter(*this, *layout, QString(), [this] { copyAsText(); });
  summary_ = findChild<QLabel*>(QStringLiteral("summary"));
  resize(1100, 600);
}

void TablesWindow::follow(const LoadedImage* image) {
  if (!image) {
    path_.clear();
    image_ = ByteImage();
    tree_->clear();
    bytes_->clear();
    summary_->setText(QStringLiteral("No BIOS loaded."));
    return;
  }
  if (image->path == path_ && image->bytes.bytes() == image_.bytes()) return;
  rebuild(*image);
}

void TablesWindow::rebuild(const LoadedImage& image) {
  path_ = image.path;
  image_ = image.bytes;
  tree_->clear();
  addMaster(tree_, QStringLiteral("Data tables"), image.tables.data);
  addMaster(tree_, QStringLiteral("Command tables"), image.tables.command);
  addModules(tree_, image.vramInfo);
  const std::vector<LayoutFinding> findings = layoutFindings(image.bytes, image.tables);
  addFindings(tree_, findings);
  tree_->expandToDepth(0);
  for (int c = 0; c < tree_->columnCount(); ++c) tree_->resizeColumnToContents(c);
  // Room for the strap numbers, two levels further in once expanded.
  tree_->setColumnWidth(0, tree_->columnWidth(0) + 2 * tree_->indentation());
  const std::size_t modules = image.vramInfo ? image.vramInfo->modules.size() : 0;
  summary_->setText(QStringLiteral("%1 data tables, %2 command tables, %3 memory modules, %4 findings")
                        .arg(image.tables.data.entries.size())
                        .arg(image.tables.command.entries.size())
                        .arg(modules)
                        .arg(findings.size()));
  bytes_->clear();
  if (tree_->topLevelItemCount() > 0) tree_->setCurrentItem(tree_->topLevelItem(0));
}

void TablesWindow::showBytes() {
  const QTreeWidgetItem* item = tree_->currentItem();
  const qlonglong length = item ? item->data(0, kLengthRole).toLongLong() : 0;
  bytes_->setPlainText(length > 0 ? dump(image_, item->data(0, kFirstRole).toLongLong(), length) : QString());
}

void TablesWindow::copyAsText() {
  QString text;
  for (int i = 0; i < tree_->topLevelItemCount(); ++i) appendRows(tree_->topLevelItem(i), 0, text);
  QApplication::clipboard()->setText(text);
}

void TablesWindow::copySelection() {
  const QTreeWidgetItem* item = tree_->currentItem();
  if (!item) return;
  QStringList columns;
  for (int c = 0; c < item->columnCount(); ++c) columns << item->text(c);
  QApplication::clipboard()->setText(columns.join('\t') + '\n' + bytes_->toPlainText());
}

}  // namespace oza::ui
