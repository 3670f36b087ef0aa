#include "interchange/contact_file.h"
#include "interchange/contact_import.h"
#include "interchange/kept_record.h"
#include "support/import_base.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>

#include <map>

using interchange::Contact;
using interchange::ContactList;

// Real-world contact files of other projects, kept beside the repository and never
// copied into it; the tests skip when they are absent.
namespace {

QString corpusFolder() {
    return QDir::cleanPath(QStringLiteral(KALMO_SOURCE_DIR "/../shared/corpus"));
}

QStringList corpusFiles() {
    QStringList files;
    QDirIterator it(corpusFolder(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.endsWith(QStringLiteral("README.md")))
            files.append(path);
    }
    files.sort();
    return files;
}

class CorpusTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!QDir(corpusFolder()).exists())
            GTEST_SKIP() << "no corpus at " << corpusFolder().toStdString();
    }

    static ContactList read(const char* relative) {
        return interchange::readContactFile(corpusFolder() + QLatin1Char('/') +
                                            QString::fromUtf8(relative));
    }
};

QStringList textsOf(const Contact& c) {
    return {c.fullName, c.address, c.telephone, c.workplace, c.email};
}

TEST_F(CorpusTest, EveryFileImportsWithoutAnErrorOrAQuestionMarkItDidNotForce) {
    const QStringList files = corpusFiles();
    ASSERT_GT(files.size(), 200);
    ImportBase base;
    base.open();
    int total = 0;
    for (const QString& path : files) {
        SCOPED_TRACE(path.mid(corpusFolder().size() + 1).toStdString());
        const ContactList list = interchange::readContactFile(path);
        for (const Contact& c : list.contacts) {
            // A byte the chosen encoding could not read would come in as U+FFFD and be
            // stored as a "?" the file never asked for.
            for (const QString& text : textsOf(c))
                EXPECT_FALSE(text.contains(QChar::ReplacementCharacter)) << text.toStdString();
        }
        QList<interchange::ImportRow> rows = interchange::prepareImport(base.file, list.contacts);
        for (interchange::ImportRow& row : rows)
            row.chosen = true;
        EXPECT_NO_THROW(total += interchange::importRows(base.file, base.images, rows).added);
    }
    EXPECT_EQ(base.file.count(), total);
}

TEST_F(CorpusTest, CyrillicFilesGiveTheirTexts) {
    const struct {
        const char* file;
        int cards;
        int card;
        const char* fullName;
        const char* telephone;
    } expected[] = {
        {"DarkHobbit+doublecontact/testdata/enc_koi8_cyr.vcf", 1, 0, "Ермолов Олег",
         "+79107654321"},
        {"DarkHobbit+doublecontact/testdata/enc_utf8_cyr.vcf", 1, 0, "Ермолов Олег",
         "+79107654321"},
        {"DarkHobbit+doublecontact/testdata/custom_nonlatin_a8.vcf", 1, 0, "Прекрасная Василиса",
         ""},
        {"DarkHobbit+doublecontact/testdata/csv_gen_nonlatin.csv", 3, 2, "Александр Иванов",
         "+79991234567"},
        {"DarkHobbit+doublecontact/testdata/explay_bm50.csv", 2, 0, "Василий", "89308836850"},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.file);
        const ContactList list = read(e.file);
        ASSERT_EQ(list.contacts.size(), e.cards);
        EXPECT_EQ(list.contacts[e.card].fullName, QString::fromUtf8(e.fullName));
        EXPECT_EQ(list.contacts[e.card].telephone, QString::fromUtf8(e.telephone));
        // Kalmo keeps these texts exactly.
        interchange::KeepNotes notes;
        interchange::keptRecord(list.contacts[e.card], &notes);
        EXPECT_TRUE(notes.exact()) << notes.text().toStdString();
    }
}

TEST_F(CorpusTest, CardCountsOfTheMultiCardAndBrokenFiles) {
    const std::map<std::string, int> counts = {
        {"CyanogenMod+android_frameworks_opt_vcard/tests/res/raw/v21_multiple_entry.vcf", 3},
        {"CyanogenMod+android_frameworks_opt_vcard/tests/res/raw/v21_nest.vcf", 1},
        {"CyanogenMod+android_frameworks_opt_vcard/tests/res/raw/v21_im.vcf", 0},
        {"DarkHobbit+doublecontact/testdata/vcard30_rfc2426.vcf", 5},
        {"DarkHobbit+doublecontact/testdata/csv_gen.csv", 2},
        {"GNOME+evolution-data-server/tests/libebook/vcard/7.vcf", 1},
        {"KDE+kcontacts/autotests/data/vcard10.vcf", 5},
        {"KDE+kcontacts/autotests/data/vcard7.vcf", 0},
        {"lucc+khard/test/fixture/vcards/unparsable.vcf", 1},
        {"mangstadt+ez-vcard/src/test/resources/ezvcard/io/text/John_Doe_ANDROID.vcf", 6},
        {"mangstadt+ez-vcard/src/test/resources/ezvcard/io/text/gmail-list.vcf", 3},
        {"mangstadt+ez-vcard/src/test/resources/ezvcard/io/text/rfc2426-example.vcf", 2},
        {"roundcube+roundcubemail/tests/src/Csv2vcard/email.csv", 4},
        {"roundcube+roundcubemail/tests/src/Csv2vcard/tb_plain.csv", 1},
    };
    for (const auto& [file, cards] : counts) {
        SCOPED_TRACE(file);
        EXPECT_EQ(read(file.c_str()).contacts.size(), cards);
    }
}

TEST_F(CorpusTest, HardCasesOfOtherProgramsComeOutRight) {
    // UTF-16 big-endian without a mark.
    const ContactList utf16 = read("roundcube+roundcubemail/tests/src/utf-16_sample.vcf");
    EXPECT_EQ(utf16.encoding, interchange::TextEncoding::Utf16BE);
    ASSERT_EQ(utf16.contacts.size(), 1);
    EXPECT_EQ(utf16.contacts[0].fullName, QStringLiteral("Ǽgean ĽdaMonté"));
    // An 8-bit western name without CHARSET= is not read as Cyrillic.
    const ContactList western = read("roundcube+roundcubemail/tests/src/thebat.vcf");
    EXPECT_EQ(western.encoding, interchange::TextEncoding::Latin1);
    ASSERT_EQ(western.contacts.size(), 1);
    EXPECT_EQ(western.contacts[0].fullName, QStringLiteral("Piotr Iksiñski"));
    // A line folded inside a UTF-8 letter.
    const ContactList folded = read("KDE+kcontacts/autotests/data/vcard9.vcf");
    ASSERT_EQ(folded.contacts.size(), 1);
    EXPECT_TRUE(folded.contacts[0].fullName.startsWith(QStringLiteral("βγδεαβγδ1βγδεαβγδ1")));
    // Quoted-printable UTF-8 with soft line breaks.
    const ContactList android =
        read("mangstadt+ez-vcard/src/test/resources/ezvcard/io/text/John_Doe_ANDROID.vcf");
    ASSERT_EQ(android.contacts.size(), 6);
    EXPECT_EQ(android.contacts[3].fullName, QStringLiteral("Ñ Ñ Ñ Ñ Ñ Ñ Ñ Ñ Ñ Ñ Ñ"));
    // Apple item groups.
    const ContactList apple = read("KDE+kcontacts/autotests/data/vcardwithitemasapplesupport.vcf");
    ASSERT_EQ(apple.contacts.size(), 1);
    EXPECT_EQ(apple.contacts[0].telephone, QStringLiteral("(111) 111-1111"));
    EXPECT_EQ(apple.contacts[0].address, QStringLiteral("STREET, CITY, STATE, ZIP, COUNTRY"));
}

TEST_F(CorpusTest, EmbeddedPhotosOfEveryFormAreKeptAsJpeg) {
    const char* withPhotos[] = {
        "CyanogenMod+android_frameworks_opt_vcard/tests/res/raw/v21_blackberry_photo.vcf",
        "CyanogenMod+android_frameworks_opt_vcard/tests/res/raw/v30_ios_613_multiline.vcf",
        "GNOME+evolution-data-server/tests/libebook/data/vcards/photo-1.vcf",
        "KDE+kcontacts/autotests/data/vcard12.vcf",
        "lucc+khard/test/fixture/vcards/photov3.vcf",
        "lucc+khard/test/fixture/vcards/photov4.vcf",
        "roundcube+roundcubemail/tests/src/apple.vcf",
        "mangstadt+ez-vcard/src/test/resources/ezvcard/io/text/John_Doe_IPHONE.vcf",
    };
    ImportBase base;
    base.open();
    for (const char* name : withPhotos) {
        SCOPED_TRACE(name);
        QList<interchange::ImportRow> rows =
            interchange::prepareImport(base.file, read(name).contacts);
        ASSERT_EQ(rows.size(), 1);
        rows[0].chosen = true;
        interchange::importRows(base.file, base.images, rows);
        EXPECT_FALSE(rows[0].notes.photoDropped);
        const QByteArray stored =
            readWholeFile(rows[0].record.field(store::ContactField::PhotoPath));
        EXPECT_TRUE(stored.startsWith("\xFF\xD8\xFF"));
    }
}

} // namespace
