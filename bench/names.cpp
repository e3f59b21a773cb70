#include "names.h"

#include <initializer_list>
#include <limits>

namespace names {

namespace {

std::vector<QString> list(std::initializer_list<const char*> words) {
    std::vector<QString> result;
    for (const char* word : words) result.push_back(QString::fromUtf8(word));
    return result;
}

struct Adjective {
    QString masculine;
    QString feminine;
};

const std::vector<QString>& givenNames() {
    static const auto words =
        list({"João",     "José",     "Antônio",   "Francisco", "Carlos",  "Paulo",     "Pedro",
              "Lucas",    "Luís",     "Marcos",    "Gabriel",   "Rafael",  "Daniel",    "Marcelo",
              "Bruno",    "Eduardo",  "Felipe",    "Raimundo",  "Rodrigo", "Sebastião", "Conceição",
              "Maria",    "Ana",      "Francisca", "Antônia",   "Adriana", "Juliana",   "Márcia",
              "Fernanda", "Patrícia", "Aline",     "Sandra",    "Camila",  "Amanda",    "Bruna",
              "Jéssica",  "Letícia",  "Júlia",     "Luciana",   "Vanessa", "Mariana",   "Gabriela",
              "Vitória",  "Beatriz",  "Inês",      "Cecília",   "Lúcia",   "Benedito",  "Zé",
              "Tião",     "Nélson",   "Moacir",    "Otávio",    "Irene",   "Glória",    "Célia",
              "Dalva",    "Elis",     "Ângela",    "Érica",     "Ícaro",   "Ênio",      "Úrsula",
              "Álvaro",   "Fábio",    "Sérgio",    "Flávio",    "Cláudio", "Rogério",   "Mônica",
              "Simão",    "Tomé",     "Joaquim",   "Damião",    "Cosme",   "Jurema",    "Iracema",
              "Assunção", "Socorro",  "Graça",     "Luzia",     "Germano", "Osvaldo",   "Wânia",
              "Quitéria"});
    return words;
}

const std::vector<QString>& surnames() {
    static const auto words = list(
        {"Silva",   "Santos",     "Oliveira",  "Souza",     "Rodrigues", "Ferreira", "Alves",
         "Pereira", "Lima",       "Gomes",     "Costa",     "Ribeiro",   "Martins",  "Carvalho",
         "Almeida", "Lopes",      "Soares",    "Fernandes", "Vieira",    "Barbosa",  "Rocha",
         "Dias",    "Nascimento", "Andrade",   "Moreira",   "Nunes",     "Marques",  "Machado",
         "Mendes",  "Freitas",    "Cardoso",   "Ramos",     "Gonçalves", "Santana",  "Teixeira",
         "Araújo",  "Conceição",  "Magalhães", "Guimarães", "Assunção",  "Brandão",  "Falcão",
         "Leão",    "Simões",     "Romão",     "Estêvão",   "Assis",     "Aragão",   "Catão",
         "Peçanha", "Gusmão",     "Bragança",  "Quintão",   "Loureiro",  "Pimentel", "Sá",
         "Mourão",  "Frazão",     "Galvão",    "Calazans",  "Muniz",     "Paixão",   "Bastos",
         "Caymmi",  "Veloso"});
    return words;
}

// Surnames with their particle: "da Silva", "dos Santos".
const std::vector<QString>& particleSurnames() {
    static const auto words = list(
        {"da Silva",      "dos Santos", "de Oliveira", "de Souza",  "da Costa",   "do Nascimento",
         "da Conceição",  "de Assis",   "de Andrade",  "da Rocha",  "de Freitas", "de Magalhães",
         "do Carmo",      "da Paixão",  "das Neves",   "de Jesus",  "da Luz",     "do Rosário",
         "da Anunciação", "de Aragão",  "do Amaral",   "da Fonseca"});
    return words;
}

const std::vector<QString>& masculineNouns() {
    static const auto words = list(
        {"Mar",      "Sol",      "Luar",          "Céu",      "Rio",       "Sertão",   "Coração",
         "Amor",     "Sonho",    "Tempo",         "Caminho",  "Destino",   "Segredo",  "Sorriso",
         "Violão",   "Pandeiro", "Samba",         "Choro",    "Baião",     "Forró",    "Jardim",
         "Pássaro",  "Sabiá",    "Beija-Flor",    "Chão",     "Quintal",   "Balanço",  "Relâmpago",
         "Trovão",   "Outono",   "Verão",         "Inverno",  "Horizonte", "Perfume",  "Abraço",
         "Beijo",    "Olhar",    "Silêncio",      "Retrato",  "Lamento",   "Mistério", "Encanto",
         "Carnaval", "Batuque",  "Lampião",       "Cais",     "Farol",     "Navio",    "Trem",
         "Balão",    "Ipê",      "Cajueiro",      "Coqueiro", "Girassol",  "Algodão",  "Feitiço",
         "Desejo",   "Adeus",    "Luar do Sertão"});
    return words;
}

const std::vector<QString>& feminineNouns() {
    static const auto words =
        list({"Saudade",   "Canção",    "Ação",    "Paixão",   "Emoção",   "Ilusão",    "Solidão",
              "Alegria",   "Poesia",    "Melodia", "Harmonia", "Sereia",   "Jangada",   "Estrela",
              "Lua",       "Noite",     "Manhã",   "Tarde",    "Estrada",  "Terra",     "Flor",
              "Vida",      "Esperança", "Janela",  "Varanda",  "Fogueira", "Cidade",    "Praia",
              "Ilha",      "Montanha",  "Lágrima", "Viagem",   "Festa",    "Ciranda",   "Ventania",
              "Chuva",     "Andorinha", "Viola",   "Sanfona",  "Maré",     "Brisa",     "Cachoeira",
              "Aurora",    "Primavera", "Rosa",    "Morena",   "Menina",   "Lembrança", "Oração",
              "Procissão", "Estação",   "Razão",   "Canoa",    "Bahia",    "Serenata",  "Toada",
              "Modinha",   "Valsa",     "Rua",     "Porteira"});
    return words;
}

const std::vector<Adjective>& adjectives() {
    static const std::vector<Adjective> words = [] {
        std::vector<Adjective> result;
        const char* pairs[][2] = {{"Dourado", "Dourada"},
                                  {"Eterno", "Eterna"},
                                  {"Perdido", "Perdida"},
                                  {"Encantado", "Encantada"},
                                  {"Antigo", "Antiga"},
                                  {"Novo", "Nova"},
                                  {"Bonito", "Bonita"},
                                  {"Sagrado", "Sagrada"},
                                  {"Sozinho", "Sozinha"},
                                  {"Molhado", "Molhada"},
                                  {"Azul", "Azul"},
                                  {"Feliz", "Feliz"},
                                  {"Brasileiro", "Brasileira"},
                                  {"Distante", "Distante"},
                                  {"Amarelo", "Amarela"},
                                  {"Quente", "Quente"},
                                  {"Selvagem", "Selvagem"},
                                  {"Sertanejo", "Sertaneja"},
                                  {"Tropical", "Tropical"},
                                  {"Cristalino", "Cristalina"},
                                  {"Místico", "Mística"},
                                  {"Lírico", "Lírica"},
                                  {"Mágico", "Mágica"},
                                  {"Árido", "Árida"},
                                  {"Último", "Última"},
                                  {"Único", "Única"},
                                  {"Vermelho", "Vermelha"},
                                  {"Sem Fim", "Sem Fim"},
                                  {"de Verão", "de Verão"},
                                  {"Sereno", "Serena"}};
        for (const auto& pair : pairs)
            result.push_back({QString::fromUtf8(pair[0]), QString::fromUtf8(pair[1])});
        return result;
    }();
    return words;
}

const std::vector<QString>& places() {
    static const auto words =
        list({"Salvador",       "Recife",     "São Paulo",  "Belém",    "Maceió", "Goiânia",
              "Florianópolis",  "Vitória",    "Niterói",    "São Luís", "Cuiabá", "Macapá",
              "Ribeirão Preto", "Paraíba",    "Piauí",      "Ceará",    "Pará",   "Amapá",
              "Lisboa",         "Luanda",     "Itaparica",  "Olinda",   "Paraty", "Caruaru",
              "Juazeiro",       "Petrópolis", "Ouro Preto", "Brasília", "Manaus", "Araçatuba"});
    return words;
}

const std::vector<QString>& bandPrefixes() {
    static const auto words = list({"Banda", "Grupo", "Trio", "Quarteto", "Conjunto", "Orquestra",
                                    "Coral", "Bloco", "Regional", "Família"});
    return words;
}

const std::vector<QString>& plurals() {
    static const auto words =
        list({"Os Saudosos",  "Os Corações",   "As Estrelas",   "Os Violões",  "As Sereias",
              "Os Trovões",   "Os Sertanejos", "As Canções",    "Os Pássaros", "As Marés",
              "Os Tropicais", "As Baianas",    "Os Caiçaras",   "Os Boêmios",  "As Ciganas",
              "Os Mágicos",   "Os Líricos",    "As Andorinhas", "Os Sabiás",   "Os Cangaceiros"});
    return words;
}

const std::vector<QString>& honorifics() {
    static const auto words = list({"Mestre", "Poeta"});
    return words;
}

const std::vector<QString>& verbs() {
    static const auto words = list({"Canta", "Dança", "Chora", "Lembra", "Espera", "Sonha", "Volta",
                                    "Abraça", "Beija", "Olha", "Leva", "Traz"});
    return words;
}

const std::vector<QString>& genericTitles() {
    static const auto words = list({"Ao Vivo", "Grandes Sucessos", "Coletânea", "Acústico",
                                    "Raízes", "Inéditas", "Especial", "Volume 1", "Volume 2",
                                    "Ao Vivo no Teatro", "Seleção de Ouro", "Canções"});
    return words;
}

const std::vector<QString>& styles() {
    static const auto words =
        list({"MPB",    "Samba",   "Bossa Nova", "Forró",      "Sertanejo",
              "Rock",   "Pop",     "Jazz",       "Clássica",   "Axé",
              "Frevo",  "Choro",   "Pagode",     "Baião",      "Música Eletrônica",
              "Reggae", "Blues",   "Fado",       "Tropicália", "Instrumental",
              "Gospel", "Infantil"});
    return words;
}

// A noun with the article and the adjective form that agree with it.
struct NounChoice {
    QString noun;
    bool feminine;
};

NounChoice anyNoun(Rng& rng) {
    if (rng.below(2) == 0) return {rng.pick(masculineNouns()), false};
    return {rng.pick(feminineNouns()), true};
}

QString withAdjective(Rng& rng, const NounChoice& noun) {
    const Adjective& adjective = rng.pick(adjectives());
    return noun.noun + QLatin1Char(' ') +
           (noun.feminine ? adjective.feminine : adjective.masculine);
}

// "Canção do Mar", "Noite da Lua".
QString ofAnother(Rng& rng, const NounChoice& noun) {
    NounChoice other = anyNoun(rng);
    while (other.noun == noun.noun) other = anyNoun(rng);
    return noun.noun + (other.feminine ? QStringLiteral(" da ") : QStringLiteral(" do ")) +
           other.noun;
}

QString andAnother(Rng& rng, const NounChoice& noun) {
    NounChoice other = anyNoun(rng);
    while (other.noun == noun.noun) other = anyNoun(rng);
    return noun.noun + QStringLiteral(" e ") + other.noun;
}

}  // namespace

std::uint32_t Rng::below(std::uint32_t n) {
    // Rejection keeps every value equally likely.
    const std::uint32_t limit =
        std::numeric_limits<std::uint32_t>::max() - std::numeric_limits<std::uint32_t>::max() % n;
    std::uint32_t value;
    do value = std::uint32_t(engine_());
    while (value >= limit);
    return value % n;
}

QString mixedCase(Rng& rng, const QString& text, double upper, double lower) {
    const double draw = rng.unit();
    if (draw < upper) return text.toUpper();
    if (draw < upper + lower) return text.toLower();
    return text;
}

QString cut(const QString& text, int width) {
    return text.size() > width ? text.left(width) : text;
}

QString artistName(Rng& rng) {
    const std::uint32_t kind = rng.below(100);
    QString name;
    if (kind < 50) {
        name = rng.pick(givenNames()) + QLatin1Char(' ') + rng.pick(surnames());
    } else if (kind < 64) {
        name = rng.pick(givenNames()) + QLatin1Char(' ') + rng.pick(surnames()) + QLatin1Char(' ') +
               rng.pick(surnames());
    } else if (kind < 74) {
        name = rng.pick(givenNames()) + QLatin1Char(' ') + rng.pick(particleSurnames());
    } else if (kind < 84) {
        const std::uint32_t band = rng.below(3);
        const QString prefix = rng.pick(bandPrefixes()) + QLatin1Char(' ');
        if (band == 0)
            name = prefix + anyNoun(rng).noun;
        else if (band == 1)
            name = prefix + rng.pick(surnames());
        else
            name = prefix + withAdjective(rng, anyNoun(rng));
    } else if (kind < 89) {
        name = rng.pick(plurals());
        if (rng.below(2) == 0) name += QStringLiteral(" de ") + rng.pick(places());
    } else if (kind < 94) {
        name = rng.pick(givenNames()) + QStringLiteral(" e ") + rng.pick(givenNames());
    } else {
        name = rng.pick(honorifics()) + QLatin1Char(' ') + rng.pick(givenNames());
        if (rng.below(2) == 0) name += QLatin1Char(' ') + rng.pick(surnames());
    }
    return cut(mixedCase(rng, name, 0.01, 0.005), 40);
}

QString genericTitle(Rng& rng) { return rng.pick(genericTitles()); }

QString cdTitle(Rng& rng) {
    const std::uint32_t kind = rng.below(100);
    const NounChoice noun = anyNoun(rng);
    QString title;
    if (kind < 24)
        title = withAdjective(rng, noun);
    else if (kind < 56)
        title = ofAnother(rng, noun);
    else if (kind < 70)
        title = andAnother(rng, noun);
    else if (kind < 78)
        title = QStringLiteral("Ao Vivo em ") + rng.pick(places());
    else if (kind < 86)
        title = noun.noun + QStringLiteral(" de ") + rng.pick(places());
    else if (kind < 94)
        title = noun.noun;
    else
        title = withAdjective(rng, noun) + QStringLiteral(", Vol. ") +
                QString::number(2 + rng.below(4));
    return cut(mixedCase(rng, title, 0.01, 0.005), 40);
}

QString songName(Rng& rng) {
    const std::uint32_t kind = rng.below(100);
    const NounChoice noun = anyNoun(rng);
    QString song;
    if (kind < 15) {
        song = noun.noun;
    } else if (kind < 35) {
        song = withAdjective(rng, noun);
    } else if (kind < 55) {
        song = ofAnother(rng, noun);
    } else if (kind < 65) {
        song = (noun.feminine ? QStringLiteral("Minha ") : QStringLiteral("Meu ")) + noun.noun;
    } else if (kind < 72) {
        song = rng.pick(givenNames());
        if (rng.below(2) == 0) song += QStringLiteral(" de ") + rng.pick(places());
    } else if (kind < 80) {
        song = QStringLiteral("Canção para ") + rng.pick(givenNames());
    } else if (kind < 88) {
        song = rng.pick(verbs()) + (noun.feminine ? QStringLiteral(" a ") : QStringLiteral(" o ")) +
               noun.noun;
    } else if (kind < 94) {
        song = andAnother(rng, noun);
    } else if (kind < 97) {
        song = QStringLiteral("Ai, ") + rng.pick(givenNames());
    } else {
        song = QStringLiteral("Ó ") + noun.noun;
    }
    return cut(mixedCase(rng, song, 0.01, 0.003), 40);
}

QString personName(Rng& rng) {
    QString name = rng.pick(givenNames()) + QLatin1Char(' ');
    name += rng.below(3) == 0 ? rng.pick(particleSurnames()) : rng.pick(surnames());
    return cut(name, 40);
}

QString telephone(Rng& rng) {
    static const int areas[] = {11, 21, 31, 41, 51, 61, 71, 81, 85, 91, 27, 48, 62, 19, 84, 98};
    const int area = areas[rng.below(std::uint32_t(std::size(areas)))];
    const int first = 2000 + int(rng.below(8000));
    const int second = int(rng.below(10000));
    return QStringLiteral("(%1)%2-%3").arg(area).arg(first).arg(second, 4, 10, QLatin1Char('0'));
}

QString style(Rng& rng) { return rng.pick(styles()); }

QDate dateBetween(Rng& rng, const QDate& first, const QDate& last) {
    const qint64 span = last.toJulianDay() - first.toJulianDay() + 1;
    return QDate::fromJulianDay(first.toJulianDay() + qint64(rng.below(std::uint32_t(span))));
}

}  // namespace names
