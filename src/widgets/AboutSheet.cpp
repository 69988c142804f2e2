#include "widgets/AboutSheet.h"

#include "widgets/AppInfo.h"
#include "widgets/WebLabel.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace brindle {

AboutSheet::AboutSheet(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("about"));
    setWindowTitle(tr("About %1").arg(AppInfo::applicationName()));
    setWindowModality(Qt::WindowModal);

    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);

    auto* icon = new QLabel(this);
    const QPixmap pixmap(QStringLiteral(":/images/brindle.png"));
    if (!pixmap.isNull())
        icon->setPixmap(pixmap.scaled(96, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    icon->setAlignment(Qt::AlignCenter);
    column->addWidget(icon);

    auto* name = new QLabel(AppInfo::applicationName(), this);
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);
    name->setAlignment(Qt::AlignCenter);
    column->addWidget(name);

    const QStringList lines{
        tr("Version %1").arg(AppInfo::version()),
        tr("Navigation bars with drop-down menus, without writing code."),
        AppInfo::copyrightLine(),
        AppInfo::licenceLine(),
    };
    for (const QString& line : lines) {
        auto* label = new QLabel(line, this);
        label->setAlignment(Qt::AlignCenter);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        column->addWidget(label);
    }

    auto* homepage = new WebLabel(QString::fromLatin1(AppInfo::kHomepageAddress), this);
    homepage->setObjectName(QStringLiteral("homepageLabel"));
    homepage->setAlignment(Qt::AlignCenter);
    column->addWidget(homepage);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &AboutSheet::closeWindow);
    column->addWidget(buttons);
}

} // namespace brindle
