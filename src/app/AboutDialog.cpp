#include "app/AboutDialog.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include <filesystem>

#include "app/Labelled.h"
#include "app/Localizer.h"
#include "app/ProgramTexts.h"
#include "app/Prompter.h"
#include "app/ShippedFolder.h"

namespace kunimor::app {
namespace {

QLabel* Link(const QString& caption, const QString& target, QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("%1<a href=\"%2\" style=\"color:navy\">%3</a>")
                                 .arg(caption, target, QString(target).remove(QStringLiteral("mailto:"))),
                             parent);
    label->setTextFormat(Qt::RichText);
    label->setOpenExternalLinks(false);
    QObject::connect(label, &QLabel::linkActivated, [](const QString& link) {
        if (link.startsWith(QStringLiteral("mailto:"))) MailAuthor();
        else OpenHomePage();
    });
    return label;
}

}  // namespace

void OpenHomePage() { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kHomePage))); }

void OpenHelp(QWidget* parent, TPrompter& prompter) {
    const std::filesystem::path page =
        ShippedFolder(QCoreApplication::applicationDirPath().toStdString(), "help") / "index.html";
    const QString path = QString::fromStdString(page.string());
    if (!std::filesystem::is_regular_file(page)) {
        prompter.Ask(parent, QStringLiteral("Error"), Msg(TMsg::NoHelp).arg(path), TButtons::Ok, TIcon::Error, TAnswer::Ok);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void MailAuthor() {
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:%1?subject=%2")
                                       .arg(QString::fromLatin1(kAuthorMail),
                                            QStringLiteral("О%20беларуско-русском%20переводчике%20Кунимор"))));
}

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("О программе"));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QWidget(this);
    top->setAutoFillBackground(true);
    QPalette white = top->palette();
    white.setColor(QPalette::Window, Qt::white);
    top->setPalette(white);
    auto* topLayout = new QVBoxLayout(top);
    auto* product = Labelled(QStringLiteral("lblProduct"), QStringLiteral("Кунимор"), top);
    product->setFont(QFont(QStringLiteral("Times New Roman"), 20, QFont::Bold));
    auto* version = new QLabel(Msg(TMsg::Version).arg(QStringLiteral(KUNIMOR_VERSION)), top);
    MarkRuntimeText(*version);
    version->setFont(QFont(QStringLiteral("Times New Roman"), 11, QFont::Bold));
    topLayout->addWidget(product);
    topLayout->addWidget(version);
    topLayout->addWidget(Link(QStringLiteral("E-mail: "), QStringLiteral("mailto:") + kAuthorMail, top));
    topLayout->addWidget(Link(QStringLiteral("WWW: "), QString::fromLatin1(kHomePage), top));
    topLayout->addWidget(new QLabel(QStringLiteral("(C) Kunimor authors"), top));
    layout->addWidget(top);
    auto* legal = new QLabel(QStringLiteral("Беларуско-русский переводчик. Свободная программа: её можно "
                                            "распространять и изменять на условиях GNU GPL версии 3 или более "
                                            "поздней. Программа поставляется без каких-либо гарантий."),
                             this);
    legal->setObjectName(QStringLiteral("lblLegal"));
    legal->setWordWrap(true);
    legal->setAlignment(Qt::AlignCenter);
    layout->addWidget(legal);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("Ясно"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

}  // namespace kunimor::app
