#include "ui/finder_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace vorlan::ui {
namespace {

constexpr int kTextWidth = 400;  // pixels: the dialog's texts wrap at a readable width

QLabel* Paragraph(const QString& text) {
  auto* label = new QLabel(text);
  label->setWordWrap(true);
  label->setTextFormat(Qt::PlainText);
  label->setFixedWidth(kTextWidth);
  return label;
}

}  // namespace

FinderDialog::FinderDialog(QWidget* parent, const LanguageData& lang, const FinderSetup& setup)
    : QDialog(parent), lang_(lang), setup_(setup), probe_(setup.askWaitMs), watch_(setup.ports) {
  const FinderTexts& t = lang.finder;
  setObjectName(QStringLiteral("finderDialog"));
  setWindowTitle(Text(t.title));

  // Each way's button beside the words that explain it. The plugging way's button is Qt's own OK,
  // in the build's language, as its words say.
  askButton_ = new QPushButton(Text(t.askButton));
  askButton_->setObjectName(QStringLiteral("askButton"));
  askButton_->setDefault(true);
  auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok);
  okButton_ = ok->button(QDialogButtonBox::Ok);
  okButton_->setObjectName(QStringLiteral("okButton"));
  okButton_->setAutoDefault(false);
  auto* cancel = new QDialogButtonBox(QDialogButtonBox::Cancel);
  progress_ = Paragraph({});
  progress_->setObjectName(QStringLiteral("finderProgress"));

  auto* layout = new QGridLayout(this);
  layout->addWidget(Paragraph(Text(t.intro)), 0, 0, 1, 2);
  layout->addWidget(
      Paragraph(Text(t.askWay).arg(QString::number(setup.askWaitMs / 1000.0, 'f', 1))), 1, 0);
  layout->addWidget(askButton_, 1, 1, Qt::AlignTop);
  layout->addWidget(Paragraph(Text(t.plugWay)), 2, 0);
  layout->addWidget(ok, 2, 1, Qt::AlignTop);
  layout->addWidget(progress_, 3, 0, 1, 2);
  layout->addWidget(cancel, 4, 0, 1, 2);
  connect(askButton_, &QPushButton::clicked, this, &FinderDialog::ask);
  connect(okButton_, &QPushButton::clicked, this, &FinderDialog::waitForPlug);
  connect(cancel, &QDialogButtonBox::rejected, this, &FinderDialog::reject);

  probe_.onAsking = [this](const MappedPort& port) {
    progress_->setText(Text(lang_.finder.asking).arg(PortLineText(port, lang_)));
  };
  probe_.onFinished = [this](const QList<ProbeResult>& results) {
    finish(AskedOutcome(results, setup_.askWaitMs, lang_));
  };
  watch_.onArrived = [this](const MappedPort& port) {
    plugTimeout_.stop();
    progress_->setText(PortLineText(port, lang_));
    settle_.callOnTimeout(this,
                          [this, port] { finish(PluggedOutcome(port, setup_.plugWaitMs, lang_)); });
    settle_.start(setup_.settleMs);
  };
  plugTimeout_.setSingleShot(true);
  settle_.setSingleShot(true);
  connect(&plugTimeout_, &QTimer::timeout, this, [this] {
    watch_.stop();
    finish(PluggedOutcome(std::nullopt, setup_.plugWaitMs, lang_));
  });
}

void FinderDialog::busy(const QString& progress) {
  askButton_->setEnabled(false);
  okButton_->setEnabled(false);
  progress_->setText(progress);
}

void FinderDialog::ask() {
  busy({});
  probe_.start(PortsToAsk(setup_.ports()));
}

void FinderDialog::waitForPlug() {
  busy(Text(lang_.finder.plugNow).arg(setup_.plugWaitMs / 1000));
  watch_.start();
  plugTimeout_.start(setup_.plugWaitMs);
}

void FinderDialog::finish(const FinderOutcome& outcome) {
  outcome_ = outcome;
  accept();
}

void FinderDialog::reject() {
  probe_.cancel();
  watch_.stop();
  plugTimeout_.stop();
  settle_.stop();
  QDialog::reject();
}

}  // namespace vorlan::ui
