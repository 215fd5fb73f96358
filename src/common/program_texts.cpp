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
    // ButtonHeldByAnotherProgram
    {"另一个程序已占用了一个在本机执行功能的鼠标按键。该按键的点击仍会传给那个程序；请关闭那个程序，"
     "或为该按键指定其他功能。",
     "Another program has already taken over a mouse button whose function runs on this "
     "computer. Its clicks still reach that program; close that program or give the button "
     "another function.",
     "Un autre programme s'est déjà approprié un bouton de la souris dont la fonction s'exécute "
     "sur cet ordinateur. Ses clics parviennent encore à ce programme ; fermez-le ou donnez une "
     "autre fonction au bouton.",
     "다른 프로그램이 이 컴퓨터에서 기능을 실행하는 마우스 버튼을 이미 점유하고 있습니다. 그 버튼의 "
     "클릭은 여전히 해당 프로그램에도 전달됩니다. 해당 프로그램을 닫거나 버튼에 다른 기능을 "
     "지정하세요.",
     "Ein anderes Programm hat bereits eine Maustaste belegt, deren Funktion auf diesem Computer "
     "ausgeführt wird. Ihre Klicks erreichen weiterhin dieses Programm; schließen Sie es oder "
     "weisen Sie der Taste eine andere Funktion zu.",
     "Un altro programma ha già preso il controllo di un pulsante del mouse la cui funzione viene "
     "eseguita su questo computer. I suoi clic arrivano ancora a quel programma; chiudilo o "
     "assegna al pulsante un'altra funzione.",
     "Otro programa ya se ha apropiado de un botón del ratón cuya función se ejecuta en este "
     "equipo. Sus clics siguen llegando a ese programa; ciérrelo o asigne otra función al botón.",
     "Een ander programma heeft al een muisknop overgenomen waarvan de functie op deze computer "
     "wordt uitgevoerd. De klikken ervan komen nog steeds bij dat programma aan; sluit dat "
     "programma of geef de knop een andere functie.",
     "Outro programa já se apropriou de um botão do rato cuja função é executada neste "
     "computador. Os seus cliques continuam a chegar a esse programa; feche-o ou atribua outra "
     "função ao botão.",
     "Другая программа уже захватила кнопку мыши, функция которой выполняется на этом "
     "компьютере. Её нажатия по-прежнему попадают в ту программу; закройте её или назначьте "
     "кнопке другую функцию.",
     "Інша програма вже захопила кнопку миші, функція якої виконується на цьому комп'ютері. Її "
     "натискання й далі потрапляють до тієї програми; закрийте її або призначте кнопці іншу "
     "функцію.",
     "另一個程式已佔用了一個在本機執行功能的滑鼠按鍵。該按鍵的點擊仍會傳給那個程式；請關閉那個程式，"
     "或為該按鍵指定其他功能。"},
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
