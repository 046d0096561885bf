// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "document/PlanFile.h"
#include "FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray Bytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void Write(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class PlanFileTest : public ::testing::Test {
protected:
    QString Path(const QString &name) const { return folder.filePath(name); }
    QTemporaryDir folder;
};

struct Refused {
    const char *name;
    std::function<QString(const QString &folder)> make; // the path to open
    const char *message;                                // what the player reads
};

void PrintTo(const Refused &refused, std::ostream *out) {
    *out << refused.name;
}

class PlanFileRefusal : public ::testing::TestWithParam<Refused> {};

// Each is refused at once, with the file's name and the reason; none of them blocks.
TEST_P(PlanFileRefusal, NamesTheFileAndTheReason) {
    QTemporaryDir folder;
    const QString path = GetParam().make(folder.path());
    const auto read = PlanFile::Open(path);
    ASSERT_TRUE(std::holds_alternative<PlanFile::Failure>(read));
    EXPECT_EQ(std::get<PlanFile::Failure>(read).OpenMessage(path).toStdString(),
              GetParam().message);
}

QString Made(const QString &folder, const char *name, const QByteArray &bytes) {
    const QString path = folder + u'/' + QLatin1String(name);
    Write(path, bytes);
    return path;
}

INSTANTIATE_TEST_SUITE_P(
    Files, PlanFileRefusal,
    ::testing::Values(
        Refused{"folder",
                [](const QString &folder) -> QString {
                    QDir(folder).mkdir(u"week1.txt"_s);
                    return folder + u"/week1.txt"_s;
                },
                "Cannot open week1.txt: it is a folder."},
        Refused{"named pipe",
                [](const QString &folder) -> QString {
                    const QString path = folder + u"/pipe.txt"_s;
                    ::mkfifo(QFile::encodeName(path).constData(), 0600);
                    return path;
                },
                "Cannot open pipe.txt: it is not a regular file."},
        Refused{"device", [](const QString &) -> QString { return u"/dev/zero"_s; },
                "Cannot open zero: it is not a regular file."},
        Refused{"missing", [](const QString &folder) -> QString { return folder + u"/gone.txt"_s; },
                "Cannot open gone.txt: there is no such file."},
        Refused{"empty",
                [](const QString &folder) -> QString { return Made(folder, "empty.txt", ""); },
                "Cannot open empty.txt: it is empty."},
        Refused{"only a byte-order mark and blanks",
                [](const QString &folder) -> QString {
                    return Made(folder, "bom.txt", "\xEF\xBB\xBF \n\n");
                },
                "Cannot open bom.txt: it is empty."},
        Refused{"one byte over 1 MiB",
                [](const QString &folder) -> QString {
                    return Made(folder, "big.txt", QByteArray(PlanFile::MaxSize + 1, 'a'));
                },
                "Cannot open big.txt: it is larger than 1 MiB."},
        Refused{"not UTF-8 in line 3",
                [](const QString &folder) -> QString {
                    return Made(folder, "latin1.txt", "Race: Templar\nSword 1 0 1 1\nM\xE4rz\n");
                },
                "Cannot open latin1.txt: it is not UTF-8 text, in line 3."},
        Refused{"binary",
                [](const QString &folder) -> QString {
                    return Made(folder, "image.png", "\x89PNG\r\n\x1A\n\xFF\xFE");
                },
                "Cannot open image.png: it is not UTF-8 text, in line 1."}));

TEST_F(PlanFileTest, SavedTextOpensAgainWithItsStamp) {
    const QString path = Path(u"week1.txt"_s);
    const QString text = u"Plan: Sword’s  build\nRace: Seyan'Du\n"_s;
    const auto saved = PlanFile::Save(path, text);
    ASSERT_TRUE(std::holds_alternative<PlanFile::Stamp>(saved));
    EXPECT_EQ(Bytes(path), text.toUtf8());
    const auto read = PlanFile::Open(path);
    ASSERT_TRUE(std::holds_alternative<PlanFile::Read>(read));
    EXPECT_EQ(std::get<PlanFile::Read>(read).text, text);
    EXPECT_EQ(std::get<PlanFile::Read>(read).stamp, std::get<PlanFile::Stamp>(saved));
    EXPECT_EQ(PlanFile::StampOf(path), std::get<PlanFile::Stamp>(saved));

    // Exactly 1 MiB is read, a byte-order mark left out.
    Write(path, "\xEF\xBB\xBF" + QByteArray(PlanFile::MaxSize - 3, 'a'));
    const auto largest = PlanFile::Open(path);
    ASSERT_TRUE(std::holds_alternative<PlanFile::Read>(largest));
    EXPECT_EQ(std::get<PlanFile::Read>(largest).text.size(), PlanFile::MaxSize - 3);
}

// A save that fails part-way (the file-size limit below the new text; the tests run as root,
// so a read-only folder would not stop them) leaves the earlier file byte for byte and no
// temporary file beside it.
TEST_F(PlanFileTest, FailedSaveLeavesTheEarlierFile) {
    const QString path = Path(u"week1.txt"_s);
    const QByteArray earlier = "Race: Templar\nSword 1 0 1 1\n";
    Write(path, earlier);

    const auto saved = [&] {
        const FileSizeLimit limit(4096);
        EXPECT_TRUE(limit.limited);
        return PlanFile::Save(path, QString(8192, u'x'));
    }();

    ASSERT_TRUE(std::holds_alternative<PlanFile::Failure>(saved));
    EXPECT_TRUE(std::get<PlanFile::Failure>(saved).SaveMessage(path).startsWith(
        u"Cannot save week1.txt: "_s));
    EXPECT_EQ(Bytes(path), earlier);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{u"week1.txt"_s});
}

TEST_F(PlanFileTest, SaveBelowARegularFileIsRefused) {
    Write(Path(u"notes"_s), "a file, not a folder");
    const QString path = Path(u"notes/week1.txt"_s);
    const auto saved = PlanFile::Save(path, u"Race: Templar\n"_s);
    ASSERT_TRUE(std::holds_alternative<PlanFile::Failure>(saved));
    const QString message = std::get<PlanFile::Failure>(saved).SaveMessage(path);
    EXPECT_TRUE(message.startsWith(u"Cannot save week1.txt: "_s)) << message.toStdString();
    EXPECT_GT(message.size(), u"Cannot save week1.txt: ."_s.size());
    EXPECT_EQ(Bytes(Path(u"notes"_s)), "a file, not a folder");
}

} // namespace
