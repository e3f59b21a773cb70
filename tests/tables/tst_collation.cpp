// The index order (Portuguese, letter case ignored, accents kept) beside the A-to-Z fold of the
// cascades and the search, where the two part ways.
#include <QtTest>
#include <algorithm>

#include "common/foldaz.h"
#include "platform/tables/collation.h"

class Collation : public QObject {
    Q_OBJECT
private slots:
    void compare_data();
    void compare();
    void sortsPortugueseWords();
    void foldOnlyAZ_data();
    void foldOnlyAZ();
};

void Collation::compare_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("sign");     // of the index comparison
    QTest::addColumn<bool>("foldEqual");  // the A-to-Z fold's answer
    QTest::newRow("a = A") << "a" << "A" << 0 << true;
    QTest::newRow("á = Á") << "á" << "Á" << 0 << false;
    QTest::newRow("é = É") << "é" << "É" << 0 << false;
    QTest::newRow("e < é") << "e" << "é" << -1 << false;
    QTest::newRow("é < f") << "é" << "f" << -1 << false;
    QTest::newRow("c < ç") << "c" << "ç" << -1 << false;
    QTest::newRow("ç < d") << "ç" << "d" << -1 << false;
    QTest::newRow("names with spaces") << "Ana Maria" << "ANA MARIA" << 0 << true;
    QTest::newRow("space sorts before letters") << "Ana Maria" << "Anabela" << -1 << false;
    QTest::newRow("João = JOÃO") << "João" << "JOÃO" << 0 << false;
    QTest::newRow("joão = JOãO") << "joão" << "JOãO" << 0 << true;
    QTest::newRow("Conceição < Concerto") << "Conceição" << "Concerto" << -1 << false;
    QTest::newRow("empty first") << "" << "a" << -1 << false;
    QTest::newRow("ß kept apart from ss") << "ß" << "SS" << 1 << false;
}

void Collation::compare() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, sign);
    QFETCH(bool, foldEqual);
    const int result = tables::compareText(a, b);
    QCOMPARE((result > 0) - (result < 0), sign);
    const int reverse = tables::compareText(b, a);
    QCOMPARE((reverse > 0) - (reverse < 0), -sign);
    QCOMPARE(equalFoldedAZ(a, b), foldEqual);
}

void Collation::sortsPortugueseWords() {
    QStringList words{"Zeca", "ética", "Éden", "etapa", "água", "Abril", "cão", "Casa", "cedo",
                      "ça", "Dança", "fado", "Ótimo", "ouro", "Ônibus", "ontem"};
    std::stable_sort(words.begin(), words.end(),
                     [](const QString& a, const QString& b) { return tables::compareText(a, b) < 0; });
        // Base letters decide first ("ça" before "cão" before "Casa"), accents only between equals.
    QCOMPARE(words, (QStringList{"Abril", "água", "ça", "cão", "Casa", "cedo", "Dança", "Éden",
                                 "etapa", "ética", "fado", "Ônibus", "ontem", "Ótimo", "ouro",
                                 "Zeca"}));
}

void Collation::foldOnlyAZ_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("folded");
    QTest::newRow("capitals") << "ABC xyz" << "abc xyz";
    QTest::newRow("accented capitals stay") << "ÉDSON ÇÃ" << "Édson ÇÃ";
    QTest::newRow("digits and signs") << "AC/DC 1-2" << "ac/dc 1-2";
}

void Collation::foldOnlyAZ() {
    QFETCH(QString, text);
    QFETCH(QString, folded);
    QCOMPARE(foldAZ(text), folded);
}

QTEST_GUILESS_MAIN(Collation)
#include "tst_collation.moc"
