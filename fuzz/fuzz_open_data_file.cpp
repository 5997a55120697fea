// Opens arbitrary bytes as the data file, then sends both statements to it.
#include "data/database.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("FLDATA.mdb"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(bytes), qint64(size));
    }
    const auto database = vantelo::data::Database::open(path);
    if (database) {
        database->execute(QStringLiteral("select distinct 公称通径DN from _HG20593 where 公称压力PN='1.6'"));
        auto row = database->execute(
            QStringLiteral("select * from _HG20593 where 公称压力PN='1.6' and 公称通径DN=100"), nullptr, 1);
        if (row)
            row->field(QStringLiteral("法兰外径D"));
    }
    return 0;
}
