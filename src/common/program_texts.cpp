#include "common/program_texts.h"

#include <array>

namespace z408 {
namespace {

using Row = std::array<std::string_view, kProgramTextLanguages>;

// One row a text, one column a language id (1..12); every row keeps English's %s in order.
constexpr std::array<Row, static_cast<size_t>(ProgramText::Count)> kTexts{{
    // CouldNotRead
    {"无法读取 %s：%s", "Could not read %s: %s", "Impossible de lire %s : %s",
     "%s 파일을 읽을 수 없습니다: %s", "%s konnte nicht gelesen werden: %s",
     "Impossibile leggere %s: %s", "No se pudo leer %s: %s", "Kan %s niet lezen: %s",
     "Não foi possível ler %s: %s", "Не удалось прочитать %s: %s",
     "Не вдалося прочитати %s: %s", "無法讀取 %s：%s"},
    // CouldNotSave
    {"无法保存 %s：%s", "Could not save %s: %s", "Impossible d'enregistrer %s : %s",
     "%s 파일을 저장할 수 없습니다: %s", "%s konnte nicht gespeichert werden: %s",
     "Impossibile salvare %s: %s", "No se pudo guardar %s: %s", "Kan %s niet opslaan: %s",
     "Não foi possível guardar %s: %s", "Не удалось сохранить %s: %s",
     "Не вдалося зберегти %s: %s", "無法儲存 %s：%s"},
    // ButtonHeldByAnotherProgram (short: the information box shows three lines)
    {"另一个程序占用了一个已指定功能的鼠标按键，该按键的点击也会传给那个程序。",
     "Another program has taken over a mouse button with a function; it gets the clicks too.",
     "Un autre programme a pris un bouton doté d'une fonction ; il en reçoit aussi les clics.",
     "다른 프로그램이 기능이 지정된 버튼을 점유했습니다. 그 클릭은 그 프로그램에도 전달됩니다.",
     "Ein anderes Programm belegt eine Maustaste mit Funktion; es erhält ihre Klicks ebenfalls.",
     "Un altro programma ha preso un pulsante con una funzione; ne riceve anche i clic.",
     "Otro programa ha tomado un botón con una función; también recibe sus clics.",
     "Een ander programma bezet een knop met een functie; het krijgt ook de klikken ervan.",
     "Outro programa tomou um botão com uma função; também recebe os cliques dele.",
     "Другая программа заняла кнопку, у которой есть функция; её нажатия получает и она.",
     "Інша програма зайняла кнопку, що має функцію; її натискання отримує й вона.",
     "另一個程式佔用了一個已指定功能的滑鼠按鍵，該按鍵的點擊也會傳給那個程式。"},
}};

constexpr int64_t kEnglish = 2;

}  // namespace

std::string_view programText(ProgramText text, int64_t languageId) {
    const auto row = static_cast<size_t>(text);
    if (row >= kTexts.size()) return {};
    if (languageId < 1 || languageId > kProgramTextLanguages) languageId = kEnglish;
    return kTexts[row][static_cast<size_t>(languageId - 1)];
}

}  // namespace z408
