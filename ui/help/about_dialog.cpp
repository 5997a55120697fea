#include "ui/help/about_dialog.h"

#include "ui/help/data_sources_dialog.h"

#include "version.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantelo::ui {

AboutDialog::AboutDialog(const data::Connection &connection, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(QStringLiteral("关于 Vantelo"));
    auto *text = new QLabel(this);
    text->setObjectName(QStringLiteral("aboutText"));
    text->setWordWrap(true);
    text->setTextFormat(Qt::RichText);
    text->setText(QStringLiteral(
        "<h3>Vantelo %1</h3>"
        "<p>HG 钢制管法兰尺寸查询：HG20593–HG20596（欧洲体系）、HG20616–HG20618（美洲体系）。</p>"
        "<p>尺寸取自公开发表的标准表格及其转录，逐项记录出处与可信度；"
        "公开资料中未找到的值不填写，保持空白，绝不推算或借用其他压力、系列或标准的数值。"
        "重要连接请以标准原文核对。</p>"
        "<p>许可：MIT 许可证。</p>")
                      .arg(QString::fromLatin1(kVersion)));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *sources = buttons->addButton(QStringLiteral("数据来源…"), QDialogButtonBox::ActionRole);
    sources->setObjectName(QStringLiteral("dataSourcesButton"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(sources, &QPushButton::clicked, this, [this, &connection] {
        auto *dialog = findChild<DataSourcesDialog *>();
        if (dialog == nullptr)
            dialog = new DataSourcesDialog(connection, this);
        dialog->show();
        dialog->raise();
    });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    setFixedWidth(420);
}

} // namespace vantelo::ui
