#include "testkit/ZipFixture.h"

#include <QFile>
#include <gtest/gtest.h>
#include <zip.h>

namespace fw::test {

void writeZip(const QString& path, const QStringList& names)
{
    static const char content[] = "data";
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(archive, nullptr) << "cannot create " << path.toStdString() << " (libzip error " << error
                                << ")";
    for (const QString& name : names) {
        const QByteArray utf8 = name.toUtf8();
        zip_source_t* source = utf8.endsWith('/') ? nullptr : zip_source_buffer(archive, content, 4, 0);
        const zip_int64_t added = source ? zip_file_add(archive, utf8.constData(), source, ZIP_FL_ENC_UTF_8)
                                         : zip_dir_add(archive, utf8.constData(), ZIP_FL_ENC_UTF_8);
        if (added < 0 && source)
            zip_source_free(source);
        EXPECT_GE(added, 0) << "cannot add " << utf8.constData() << ": " << zip_strerror(archive);
    }
    if (zip_close(archive) != 0) {
        ADD_FAILURE() << "cannot write " << path.toStdString() << ": " << zip_strerror(archive);
        zip_discard(archive);
    }
}

} // namespace fw::test
