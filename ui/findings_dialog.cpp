#include "ui/findings_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vorlan::ui {
namespace {

constexpr int kFieldRole = Qt::UserRole;

}  // namespace

FindingsDialog::FindingsDialog(QWidget* parent, const LanguageData& lang)
    : QDialog(parent), headline_(new QLabel(this)), list_(new QTreeWidget(this)) {
  const CheckTexts& t = lang.check;
  setObjectName(QStringLiteral("checkDialog"));
  setWindowTitle(Text(t.dialogTitle));
  setModal(false);

  headline_->setObjectName(QStringLiteral("checkHeadline"));
  headline_->setTextFormat(Qt::PlainText);
  list_->setObjectName(QStringLiteral("checkList"));
  list_->setRootIsDecorated(false);
  list_->setWordWrap(true);
  list_->setHeaderLabels({Text(t.columnField), Text(t.columnSeverity), Text(t.columnFinding)});
  list_->header()->setStretchLastSection(true);
  list_->setColumnWidth(0, 130);
  list_->setColumnWidth(1, 70);
  connect(list_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    if (onPick) onPick(static_cast<Field>(item->data(0, kFieldRole).toInt()));
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
  list_->clear();
  for (const auto& row : report.rows) {
    auto* item = new QTreeWidgetItem(list_, {row.label, row.severity, row.text});
    item->setData(0, kFieldRole, static_cast<int>(row.field));
    item->setToolTip(2, row.text);
  }
}

}  // namespace vorlan::ui
