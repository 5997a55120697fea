#include "ui/unreadable_data_file.h"

#include <QMessageBox>

namespace vantelo::ui {

QString unreadableDataFileText()
{
    return QStringLiteral("无法读取数据文件 FLDATA.mdb");
}

void tellDataFileUnreadable(QWidget *parent, const QString &command)
{
    QMessageBox::warning(parent, command, unreadableDataFileText());
}

} // namespace vantelo::ui
