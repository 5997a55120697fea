#include "ui/after_lookup/export_folder.h"

#include <QFileInfo>
#include <QSettings>

namespace vantelo::ui {
namespace {

const QString Key = QStringLiteral("export/folder");

// Named explicitly: the window sets no organisation for the default store.
const QString Owner = QStringLiteral("vantelo");

} // namespace

QString rememberedExportFolder()
{
    const QString folder = QSettings(Owner, Owner).value(Key).toString();
    return QFileInfo(folder).isDir() ? folder : QString();
}

void rememberExportFolder(const QString &filePath)
{
    QSettings settings(Owner, Owner);
    settings.setValue(Key, QFileInfo(filePath).absolutePath());
}

} // namespace vantelo::ui
