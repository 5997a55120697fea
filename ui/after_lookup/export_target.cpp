#include "ui/after_lookup/export_target.h"

#include "data/error_text.h"

#include <QDir>
#include <QFileInfo>

namespace vantelo::ui {
namespace {

// As many links as the kernel follows before it gives up on a path.
constexpr int MostLinks = 40;

// A link whose target is missing has no canonical path: follow it by hand,
// then resolve the folder that will hold the file.
std::optional<QString> resolved(const QString &path)
{
    QFileInfo info(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    for (int hops = 0; info.isSymLink(); ++hops) {
        if (hops == MostLinks)
            return std::nullopt;
        info = QFileInfo(info.symLinkTarget());
    }
    if (info.exists())
        return info.canonicalFilePath();
    const QString folder = info.absoluteDir().canonicalPath();
    if (folder.isEmpty())
        return std::nullopt;
    return QDir(folder).filePath(info.fileName());
}

} // namespace

std::optional<QString> exportTarget(const QString &path, const QString &programFolder, QString *error)
{
    const std::optional<QString> target = resolved(path);
    if (!target) {
        data::setError(error, QStringLiteral("无法写入文件“%1”：找不到它所在的文件夹。").arg(QDir::toNativeSeparators(path)));
        return std::nullopt;
    }
    // The program's folder and everything beneath it: the data file lives there.
    const QString folder = QFileInfo(programFolder).canonicalFilePath();
    if (!folder.isEmpty() && (*target + QLatin1Char('/')).startsWith(folder + QLatin1Char('/'))) {
        data::setError(error, QStringLiteral("不能写入程序所在的文件夹“%1”：请选择别的文件夹。")
                            .arg(QDir::toNativeSeparators(folder)));
        return std::nullopt;
    }
    const QString suffix = QFileInfo(*target).suffix().toLower();
    if (suffix != QLatin1String("svg") && suffix != QLatin1String("pdf") && suffix != QLatin1String("png")) {
        data::setError(error, QStringLiteral("不支持的文件类型“%1”：请用 .svg、.pdf 或 .png 结尾的文件名。").arg(suffix));
        return std::nullopt;
    }
    return target;
}

} // namespace vantelo::ui
