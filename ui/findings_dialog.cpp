#include "ui/findings_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vorlan::ui {
namespace {

constexpr int kFieldRole = Qt::UserRole;
enum Column { kFieldColumn, kSeverityColumn, kTextColumn, kColumns };

}  // namespace

FindingsDialog::FindingsDialog(QWidget* parent, const LanguageData& lang)
    : QDialog(parent), headline_(new QLabel(this)), list_(new QTableWidget(0, kColumns, this)) {
  const CheckTexts& t = lang.check;
  setObjectName(QStringLiteral("checkDialog"));
  setWindowTitle(Text(t.dialogTitle));
  setModal(false);

  headline_->setObjectName(QStringLiteral("checkHeadline"));
  headline_->setTextFormat(Qt::PlainText);
  list_->setObjectName(QStringLiteral("checkList"));
  list_->setHorizontalHeaderLabels(
      {Text(t.columnField), Text(t.columnSeverity), Text(t.columnFinding)});
  list_->verticalHeader()->hide();
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setWordWrap(true);
  list_->horizontalHeader()->setSectionResizeMode(kFieldColumn, QHeaderView::ResizeToContents);
  list_->horizontalHeader()->setSectionResizeMode(kSeverityColumn, QHeaderView::ResizeToContents);
  list_->horizontalHeader()->setStretchLastSection(true);
  connect(list_, &QTableWidget::cellDoubleClicked, this, [this](int row) {
    if (onPick)
      onPick(static_cast<Field>(list_->item(row, kFieldColumn)->data(kFieldRole).toInt()));
  });

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(Text(t.close), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(headline_);
  layout->addWidget(list_);
  layout->addWidget(buttons);
  resize(640, 300);
}

void FindingsDialog::setReport(const CheckReport& report) {
  headline_->setText(report.headline);
  list_->setRowCount(static_cast<int>(report.rows.size()));
  for (int i = 0; i < list_->rowCount(); ++i) {
    const auto& row = report.rows[static_cast<std::size_t>(i)];
    auto* field = new QTableWidgetItem(row.label);
    field->setData(kFieldRole, static_cast<int>(row.field));
    list_->setItem(i, kFieldColumn, field);
    list_->setItem(i, kSeverityColumn, new QTableWidgetItem(row.severity));
    list_->setItem(i, kTextColumn, new QTableWidgetItem(row.text));
  }
  list_->resizeRowsToContents();
}

// A finding's text wraps in its column: the rows follow the column's width.
void FindingsDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  list_->resizeRowsToContents();
}

void FindingsDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  list_->resizeRowsToContents();
}

}  // namespace vorlan::ui
