#include "cindr_path_window.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>

#include "account_file.h"
#include "startup_widgets.h"

namespace vendrel::startup {
namespace {

QCheckBox* ReadOnlyBox(const char* name, const char* caption) {
  auto* box = Named(new QCheckBox(QString::fromLatin1(caption)), name, QString::fromLatin1(caption));
  box->setFocusPolicy(Qt::TabFocus);
  return box;
}

}  // namespace

CindrPathWindow::CindrPathWindow(std::filesystem::path programFolder,
                                 std::filesystem::path winePrefix, QWidget* parent)
    : QWidget(parent), programFolder_(std::move(programFolder)), winePrefix_(std::move(winePrefix)) {
  setObjectName(QStringLiteral("CindrPathWindow"));
  setWindowTitle(QStringLiteral("Select User Account"));

  const QString intro = QStringLiteral(
      "Select Your Steam User Account.                                You need to have "
      "Cinderfall and Source SDK installed.");
  auto* label1 = Named(new QLabel(intro), "Label1", intro);
  label1->setWordWrap(true);
  auto* label2 = Named(new QLabel(QStringLiteral("Users:")), "Label2", QStringLiteral("Users:"));
  list1_ = Named(new QListWidget, "List1", QStringLiteral("Users:"));
  label2->setBuddy(list1_);
  auto* frame = Named(new QGroupBox(QStringLiteral("Selected account")), "Frame1",
                      QStringLiteral("Selected account"));
  check1_ = ReadOnlyBox("Check1", "Cindr Installed");
  check2_ = ReadOnlyBox("Check2", "Source SDK Installed");
  auto* frameLayout = new QVBoxLayout(frame);
  frameLayout->addWidget(check1_);
  frameLayout->addWidget(check2_);
  const QString defaultCaption = QStringLiteral("Select this account as the default user account.");
  check3_ = Named(new QCheckBox(defaultCaption), "Check3", defaultCaption);
  command1_ = Named(new QPushButton(QStringLiteral("OK / Start")), "Command1",
                    QStringLiteral("OK / Start"));
  command1_->setEnabled(false);
  command1_->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label1);
  layout->addWidget(label2);
  layout->addWidget(list1_, 1);
  layout->addWidget(frame);
  layout->addWidget(check3_);
  layout->addWidget(command1_);

  for (QCheckBox* box : {check1_, check2_}) {
    box->installEventFilter(this);
    // A click (or the space bar) cannot change what the folder says.
    connect(box, &QCheckBox::clicked, this, [this, box] {
      box->setChecked(box == check1_ ? remembered_.game : remembered_.kit);
    });
  }
  connect(list1_, &QListWidget::currentRowChanged, this, [this] { Guarded(this, [this] { List1_Click(); }); });
  connect(command1_, &QPushButton::clicked, this, [this] { Guarded(this, [this] { Command1_Click(); }); });
}

void CindrPathWindow::ReadUsers() {
  list1_->clear();
  const auto users = vendrel::ReadUsers(programFolder_, winePrefix_);
  if (!users) {
    if (onSteamFolderNeeded) onSteamFolderNeeded();
    hide();
    return;
  }
  accountsFolder_ = users->accountsFolder;
  for (const std::string& name : users->accounts) list1_->addItem(QString::fromStdString(name));
  if (list1_->count() > 0) list1_->setCurrentRow(0);
  List1_Click();
}

void CindrPathWindow::List1_Click() {
  QListWidgetItem* selected = list1_->currentItem();
  if (selected == nullptr) {
    command1_->setEnabled(false);
    return;
  }
  remembered_ = CheckAccount(accountsFolder_ / selected->text().toStdString());
  check1_->setChecked(remembered_.game);
  check2_->setChecked(remembered_.kit);
  command1_->setEnabled(remembered_.Complete());
}

void CindrPathWindow::Command1_Click() {
  QListWidgetItem* selected = list1_->currentItem();
  if (selected == nullptr) return;
  const std::string accountFolder = (accountsFolder_ / selected->text().toStdString()).string();
  if (!WriteAccountFile(programFolder_, {check3_->isChecked(), accountFolder})) {
    QMessageBox::critical(this, windowTitle(),
                          QStringLiteral("cindrpath.ini could not be written in %1")
                              .arg(PathText(programFolder_)));
    return;
  }
  hide();
  if (onAccountChosen) onAccountChosen(accountFolder);
}

void CindrPathWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Guarded(this, [this] { ReadUsers(); });
}

void CindrPathWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (onQuit) onQuit();
}

bool CindrPathWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn && (watched == check1_ || watched == check2_)) {
    list1_->setFocus();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace vendrel::startup
