#include "puzzle/spoken_spanish.h"

#include <gtest/gtest.h>

namespace quenza {
namespace {

TEST(SpokenSpanish, CaptionsAreReadWithTheirAccentsWordByWord) {
    const std::pair<const char*, const char*> cases[] = {
        {"Puntuacion:", "Puntuación:"},
        {"Comodin que te dara o quitara comodines", "Comodín que te dará o quitará comodines"},
        {"Version: 1.0.7", "Versión: 1.0.7"},
        {"UniDireccion", "UniDirección"},
        {"Como se juega", "Cómo se juega"},
        // "como" inside a sentence compares; "Numeros" is another word.
        {"Rápido como el viento", "Rápido como el viento"},
        {"Numeros", "Numeros"},
        {"Puesto 2: Peña, Puntuacion 120", "Puesto 2: Peña, Puntuación 120"},
        {"", ""},
    };
    for (const auto& [screen, voice] : cases) {
        EXPECT_EQ(withSpanishAccents(screen), voice) << screen;
    }
}

} // namespace
} // namespace quenza
