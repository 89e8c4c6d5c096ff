#include "testkit/ZipFixture.h"

#include <QFile>
#include <gtest/gtest.h>
#include <zip.h>

namespace fw::test {

ZipFixture::ZipFixture(const QStringList& names)
{
    for (const QString& name : names)
        file(name);
}

ZipFixture& ZipFixture::file(const QString& name, const QByteArray& content)
{
    m_entries.append({ name, content });
    return *this;
}

ZipFixture& ZipFixture::comment(const QString& text)
{
    m_comment = text;
    return *this;
}

void ZipFixture::write(const QString& path) const
{
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(archive, nullptr) << "cannot create " << path.toStdString() << " (libzip error " << error
                                << ")";
    for (const Entry& entry : m_entries) {
        const QByteArray name = entry.name.toUtf8();
        zip_int64_t added = -1;
        if (name.endsWith('/')) {
            added = zip_dir_add(archive, name.constData(), ZIP_FL_ENC_UTF_8);
        } else {
            // libzip reads the buffer when the archive is closed, below, while the entry still lives.
            zip_source_t* source = zip_source_buffer(
                archive, entry.content.constData(), static_cast<zip_uint64_t>(entry.content.size()), 0);
            added = source ? zip_file_add(archive, name.constData(), source, ZIP_FL_ENC_UTF_8) : -1;
            if (added < 0 && source)
                zip_source_free(source);
        }
        EXPECT_GE(added, 0) << "cannot add " << entry.name.toStdString() << ": " << zip_strerror(archive);
    }
    if (!m_comment.isEmpty()) {
        const QByteArray text = m_comment.toUtf8();
        EXPECT_EQ(
            zip_set_archive_comment(archive, text.constData(), static_cast<zip_uint16_t>(text.size())), 0);
    }
    const int closed = zip_close(archive);
    EXPECT_EQ(closed, 0) << "cannot write " << path.toStdString() << ": " << zip_strerror(archive);
    if (closed != 0)
        zip_discard(archive);
}

} // namespace fw::test
