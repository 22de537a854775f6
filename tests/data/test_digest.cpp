#include "data/PasswordDigest.h"

#include <QtTest>

using quorv::passwordDigest;

// Expected values were computed by a separate implementation of the digest written from its
// definition (GBK units, sign-extended two-byte codes, MD5 rounds, words B and C); the ASCII
// ones agree with characters 9 to 24 of a standard MD5 digest.
class DigestTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void digest_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const struct {
            const char *text;
            const char *digest;
        } cases[] = {
            {"", "8f00b204e9800998"},
            {"abc", "3cd24fb0d6963f7d"},
            {"a", "c0f1b6a831c399e2"},
            {"123456", "49ba59abbe56e057"},
            {" abc ", "5abead949b46c77c"},
            {"经理", "5b9f5f41ae8455c6"},
            {"密码", "92d4c2905579249f"},
            {"张三123", "b5af126c16348b2c"},
            {"abc中", "cf9543d17b55ca74"},   // the sign extension spills into the padding byte
            {"中", "8d5f2b49971dbb43"},
            {"陪练2026", "1f19711e7011069e"},
            {"a中b文c", "80869bb2fa151f40"},
            {"€", "ef115ea6975446ef"},       // a one-byte code (0x80) in code page 936
            {"😀", "c47822bce772cf6c"},      // two UTF-16 characters outside GBK: "??"
            {"012345678901234567890123456789012345678901234567890123456789", "f47ead374872fcca"},
        };
        for (const auto &c : cases)
            QTest::newRow(c.text[0] ? c.text : "empty") << QString::fromUtf8(c.text) << QString::fromLatin1(c.digest);
        QTest::newRow("57 Chinese characters, two blocks") << QString(57, QChar(0x4E2D)) << QStringLiteral("daa9e20bb0b852c4");
    }

    void digest()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(passwordDigest(text), expected);
    }
};

QTEST_GUILESS_MAIN(DigestTest)
#include "test_digest.moc"
