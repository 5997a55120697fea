#include "ui/help/user_guide_window.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace vantelo::ui {

QString userGuideHtml()
{
    QFile file(QStringLiteral(":/help/user_guide.html"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

UserGuideWindow::UserGuideWindow(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("userGuideWindow"));
    setWindowTitle(QStringLiteral("Vantelo 使用说明"));
    auto *text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("userGuideText"));
    text->setHtml(userGuideHtml());
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    resize(560, 600);
}

} // namespace vantelo::ui
