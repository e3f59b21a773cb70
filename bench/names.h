#pragma once

#include <QDate>
#include <QString>
#include <cstdint>
#include <random>
#include <vector>

// Deterministic random choices and the Portuguese names of the benchmark collection: artists,
// CD titles, songs, people and telephone numbers, built from word lists.
namespace names {

// std::mt19937 with our own reductions, so that the collection is the same wherever it is made
// (the standard distributions may differ from one library to another).
class Rng {
  public:
    explicit Rng(std::uint32_t rngStart) : engine_(rngStart) {}
    // Uniform in [0, n), n > 0.
    std::uint32_t below(std::uint32_t n);
    // Uniform in [0, 1).
    double unit() { return double(engine_()) / 4294967296.0; }
    bool chance(double p) { return unit() < p; }
    template <class T>
    const T& pick(const std::vector<T>& items) {
        return items[below(std::uint32_t(items.size()))];
    }
    template <class T>
    void shuffle(std::vector<T>& items) {
        for (size_t i = items.size(); i > 1; --i)
            std::swap(items[i - 1], items[below(std::uint32_t(i))]);
    }

  private:
    std::mt19937 engine_;
};

// Now and then a name is typed all in capitals or all in small letters.
QString mixedCase(Rng& rng, const QString& text, double upper, double lower);

// A text cut to a width in characters (the word lists hold no surrogate pairs).
QString cut(const QString& text, int width);

QString artistName(Rng& rng);
QString cdTitle(Rng& rng);
QString genericTitle(Rng& rng);
QString songName(Rng& rng);
QString personName(Rng& rng);
QString telephone(Rng& rng);
QString style(Rng& rng);
QDate dateBetween(Rng& rng, const QDate& first, const QDate& last);

}  // namespace names
