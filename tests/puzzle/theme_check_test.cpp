#include "puzzle/text.h"
#include "puzzle/theme_check.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quenza {
namespace {

using Lines = std::vector<std::string>;

// A well-formed line: its number, the quoted title, count and words.
std::string themeLine(int number, const std::string& title, const Lines& words) {
    std::string line =
        std::to_string(number) + ",\"" + title + "\",\"" + std::to_string(words.size()) + "\"";
    for (const std::string& word : words) {
        line += ",\"" + word + "\"";
    }
    return line;
}

ThemeCheck check(const Lines& lines) {
    std::vector<Word> decoded;
    for (const std::string& line : lines) {
        decoded.push_back(fromUtf8(line));
    }
    return checkThemeLibrary(decoded);
}

std::string allProblems(const ThemeCheck& result) {
    std::string text;
    for (const ThemeProblem& problem : result.problems) {
        text += reportLine(problem) + "\n";
    }
    return text;
}

const std::string kGood1 = themeLine(1, "animales", {"perro", "gato", "vaca"});
const std::string kGood2 = themeLine(2, "frutas", {"pera", "uva", "kiwi"});

TEST(ThemeCheck, CleanLibraryHasNoProblems) {
    const ThemeCheck result = check({
        kGood1,
        // Ten words of ten letters, accents counted as one letter each.
        themeLine(2, "profesiones",
                  {"carpintero", "bombero", "enfermera", "fontanero", "maquinista", "panadero",
                   "pescadero", "jardinero", "periodista", "peluquería"}),
        themeLine(3, "canción de los niños pequeño", {"cigüeña", "pingüinito"}),
        // Thirty characters still take the large font.
        themeLine(4, std::string(30, 't'), {"sol"}),
        // The same word in two themes is no repeat of the theme.
        themeLine(5, "granja", {"vaca", "pato", "gallo"}),
    });
    EXPECT_EQ(allProblems(result), "");
    EXPECT_EQ(result.themes, 5);
    EXPECT_EQ(result.playable, 5);
    EXPECT_EQ(reportSummary(result), "5 temas leídos, 5 se pueden jugar, ningún problema.");
}

// Each bad line sits third in a library of otherwise good lines; every problem
// it has is listed, so a second message for the same fault fails the test.
TEST(ThemeCheck, EachBadLineGetsItsMessages) {
    const struct {
        std::string line;
        Lines expected; // one entry per problem: a piece of its message
    } cases[] = {
        {"", {"la línea está vacía"}},
        {"  \t", {"la línea está vacía"}},
        {"3 animales perro gato", {"no hay ninguna coma"}},
        {"\"animales\",\"2\",\"oso\",\"pez\"",
         {"no empieza por su número: el juego se salta el primer campo («\"animales\"»)",
          "cantidad de palabras «oso» no es un número: el juego lee 0 y no pone ninguna "
          "palabra; escriba 1."}},
        {"3,\"aves\",\"2\"", {"faltan campos"}},
        // A comma inside a word splits it in two, each missing a quote.
        {"3,\"t\",\"2\",\"perro,gato\"",
         {"a la palabra 1 «\"perro» le falta la comilla del final (o le sobra una coma dentro): "
          "el juego lee «perr»",
          "a la palabra 2 «gato\"» le falta la comilla del principio"}},
        {"3,\"t\",\"2\",oso,\"pez\"",
         {"la palabra 1 «oso» no va entre comillas: el juego lee «s»"}},
        {"3,\"t\",\"2\", \"oso\",\"pez\"",
         {"espacios junto a las comas en la palabra 1 « \"oso\"»"}},
        {"3,\"t\",\"1\",\"oso\"\"pez\"", {"palabra 1 «\"oso\"\"pez\"» tiene comillas dentro"}},
        {"3,\"t\",\"2\",\"oso\",\"pez\",", {"sobra la coma del final de la línea"}},
        {"3,\"t\",\"2\",\"oso\",,\"pez\"",
         {"es 2 pero hay 3 palabras: el juego no usa «pez»; escriba 3.",
          "hay dos comas seguidas donde va la palabra 2"}},
        {"3,\"t\",\"dos\",\"oso\",\"pez\"", {"«dos» no es un número: el juego lee 0 y no pone"}},
        {"3,\"t\",\"2a\",\"oso\",\"pez\"", {"«2a» no es un número: el juego lee 2; escriba 2."}},
        {"3,\"t\",\"0\",\"oso\",\"pez\"", {"es 0 pero hay 2 palabras: el juego no pone ninguna"}},
        {"3,\"t\",\"2\",\"oso\",\"pez\",\"sol\"",
         {"es 2 pero hay 3 palabras: el juego no usa «sol»"}},
        {"3,\"t\",\"4\",\"oso\",\"pez\"",
         {"es 4 pero hay 2 palabras: el juego repite «pez» 2 veces"}},
        {"3,\"t\",\"2\",\"oso\"", {"es 2 pero hay 1 palabra: el juego repite «oso» 1 vez más"}},
        {"3,\"t\",\"12\",\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\",\"h\",\"i\",\"j\",\"k\",\"l\"",
         {"es 12 y caben 10 como mucho: el juego lee 10 y no usa «k», «l»; quite 2 palabras"}},
        {"3,\"t\",\"11\",\"oso\",\"pez\"",
         {"es 11 y caben 10 como mucho: el juego lee 10 y repite «pez» 8"}},
        {"3,\"t\",\"2\",\"golondrinas\",\"pez\"", {"«golondrinas» tiene 11 letras y caben 10"}},
        {"3,\"t\",\"2\",\"oso\",\"\"", {"la palabra 2 está vacía"}},
        {"3,\"\",\"1\",\"oso\"", {"el título está vacío"}},
        {themeLine(3, std::string(31, 't'), {"sol"}), {"tiene 31 caracteres"}},
        {themeLine(3, "Frutas", {"mango"}), {"repite el título «Frutas» de la línea 2"}},
        {themeLine(3, "bichos", {"vaca", "PERRO", "gato"}),
         {"tiene las mismas palabras que la línea 1"}},
        {themeLine(3, "animales", {"gato", "vaca", "perro"}),
         {"repite el tema de la línea 1 (el mismo título y las mismas palabras)"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const ThemeCheck result = check({kGood1, kGood2, c.line, themeLine(4, "mar", {"ola"})});
        ASSERT_EQ(result.problems.size(), c.expected.size()) << allProblems(result);
        for (std::size_t i = 0; i < c.expected.size(); ++i) {
            EXPECT_EQ(result.problems[i].line, 3);
            EXPECT_NE(result.problems[i].message.find(c.expected[i]), std::string::npos)
                << result.problems[i].message;
        }
    }
}

TEST(ThemeCheck, SummaryCountsThemesAndThePlayableOnes) {
    // A blank line and a line whose only word cannot go on the board are
    // themes the game reads but cannot play.
    const ThemeCheck mixed = check(
        {kGood1, "", themeLine(3, "largas", {"electrodomestico"}), "4,\"t\",\"2\",\"oso\",,"});
    EXPECT_EQ(mixed.themes, 4);
    EXPECT_EQ(mixed.playable, 2);
    EXPECT_EQ(reportSummary(mixed), "4 temas leídos, 2 se pueden jugar, 4 problemas.");
    EXPECT_EQ(mixed.problems.back().line, 4);

    const ThemeCheck one = check({kGood1});
    EXPECT_EQ(reportSummary(one), "1 tema leído, 1 se puede jugar, ningún problema.");

    // A library the game cannot start a game with is a problem of its own.
    const ThemeCheck empty = check({});
    ASSERT_EQ(empty.problems.size(), 1u);
    EXPECT_EQ(reportLine(empty.problems[0]).rfind("archivo: ", 0), 0u);
    EXPECT_EQ(reportSummary(empty), "0 temas leídos, 0 se pueden jugar, 1 problema.");
    const ThemeCheck unplayable = check({"", "1,\"t\",\"0\""});
    EXPECT_EQ(unplayable.playable, 0);
    EXPECT_EQ(unplayable.problems.back().line, 0);
    EXPECT_NE(unplayable.problems.back().message.find("ningún tema pone palabras"),
              std::string::npos);
}

} // namespace
} // namespace quenza
