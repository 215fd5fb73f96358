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
    // MacroLibraryFull
    {"宏库已满（500 个宏），此宏未能保存。请先删除不用的宏，再修改此宏以保存它。",
     "The macro library is full (500 macros), so this macro was not saved. Delete a macro you "
     "no longer need, then change this one again to save it.",
     "La bibliothèque de macros est pleine (500 macros) : cette macro n'a pas été enregistrée. "
     "Supprimez une macro inutile, puis modifiez de nouveau celle-ci pour l'enregistrer.",
     "매크로 라이브러리가 가득 찼습니다(매크로 500개). 이 매크로는 저장되지 않았습니다. 필요 없는 "
     "매크로를 삭제한 뒤 이 매크로를 다시 변경하면 저장됩니다.",
     "Die Makrobibliothek ist voll (500 Makros), dieses Makro wurde nicht gespeichert. Löschen "
     "Sie ein nicht mehr benötigtes Makro und ändern Sie dieses erneut, um es zu speichern.",
     "La libreria delle macro è piena (500 macro): questa macro non è stata salvata. Elimina una "
     "macro che non serve più, poi modifica di nuovo questa per salvarla.",
     "La biblioteca de macros está llena (500 macros) y esta macro no se ha guardado. Elimine "
     "una macro que ya no necesite y vuelva a modificar esta para guardarla.",
     "De macrobibliotheek is vol (500 macro's); deze macro is niet opgeslagen. Verwijder een "
     "macro die u niet meer nodig hebt en wijzig deze daarna opnieuw om hem op te slaan.",
     "A biblioteca de macros está cheia (500 macros) e esta macro não foi guardada. Elimine uma "
     "macro de que já não precise e altere esta novamente para a guardar.",
     "Библиотека макросов заполнена (500 макросов), этот макрос не сохранён. Удалите ненужный "
     "макрос, затем снова измените этот, чтобы сохранить его.",
     "Бібліотека макросів заповнена (500 макросів), цей макрос не збережено. Видаліть непотрібний "
     "макрос, потім знову змініть цей, щоб зберегти його.",
     "巨集庫已滿（500 個巨集），此巨集未能儲存。請先刪除不用的巨集，再修改此巨集以儲存它。"},
    // MacroCutToSlot
    {"此宏超过鼠标可保存的 1000 个事件，只保存了前面的部分，并补上了仍按住按键的松开。",
     "This macro has more than the 1000 events the mouse can hold. Only its beginning was saved, "
     "with releases added for keys still held at the cut.",
     "Cette macro dépasse les 1000 événements que la souris peut contenir. Seul son début a été "
     "enregistré, avec le relâchement des touches encore enfoncées à la coupure.",
     "이 매크로는 마우스가 담을 수 있는 1000개 이벤트를 넘습니다. 앞부분만 저장했으며, "
     "잘린 지점에서 아직 눌려 있던 키의 놓기를 추가했습니다.",
     "Dieses Makro hat mehr als die 1000 Ereignisse, die die Maus fassen kann. Nur sein Anfang "
     "wurde gespeichert, ergänzt um das Loslassen der an der Schnittstelle noch gedrückten Tasten.",
     "Questa macro supera i 1000 eventi che il mouse può contenere. È stato salvato solo l'inizio, "
     "con il rilascio dei tasti ancora premuti al punto di taglio.",
     "Esta macro supera los 1000 eventos que el ratón puede guardar. Solo se ha guardado el "
     "principio, con la liberación de las teclas que seguían pulsadas en el corte.",
     "Deze macro heeft meer dan de 1000 gebeurtenissen die de muis kan bevatten. Alleen het begin "
     "is opgeslagen, met het loslaten van toetsen die bij de knip nog ingedrukt waren.",
     "Esta macro tem mais do que os 1000 eventos que o rato consegue guardar. Só o início foi "
     "guardado, com a libertação das teclas ainda premidas no corte.",
     "В макросе больше 1000 событий, которые может хранить мышь. Сохранено только начало, "
     "с отпусканием клавиш, которые были нажаты в месте обрезки.",
     "У макросі більше 1000 подій, які може зберігати миша. Збережено лише початок, з "
     "відпусканням клавіш, що були натиснуті в місці обрізання.",
     "此巨集超過滑鼠可保存的 1000 個事件，只儲存了前面的部分，並補上了仍按住按鍵的放開。"},
    // MacroWindowKeysOnly
    {"未能监听整个桌面的按键：只录制在本窗口中按下的键。",
     "Keys of the whole desktop cannot be watched here: only keys typed into this window are "
     "recorded.",
     "Les touches de tout le bureau ne peuvent pas être suivies ici : seules les touches tapées "
     "dans cette fenêtre sont enregistrées.",
     "여기서는 데스크톱 전체의 키를 감시할 수 없습니다. 이 창에 입력한 키만 기록됩니다.",
     "Tasten des ganzen Desktops können hier nicht beobachtet werden: Nur in diesem Fenster "
     "getippte Tasten werden aufgenommen.",
     "Qui non è possibile osservare i tasti di tutto il desktop: vengono registrati solo i tasti "
     "digitati in questa finestra.",
     "Aquí no se pueden vigilar las teclas de todo el escritorio: solo se graban las teclas "
     "pulsadas en esta ventana.",
     "Toetsen van het hele bureaublad kunnen hier niet worden gevolgd: alleen toetsen die in dit "
     "venster worden getypt, worden opgenomen.",
     "Aqui não é possível acompanhar as teclas de todo o ambiente de trabalho: só são gravadas as "
     "teclas premidas nesta janela.",
     "Здесь нельзя отслеживать клавиши всего рабочего стола: записываются только клавиши, "
     "нажатые в этом окне.",
     "Тут не можна відстежувати клавіші всього робочого столу: записуються лише клавіші, "
     "натиснуті в цьому вікні.",
     "無法監聽整個桌面的按鍵：只錄製在本視窗中按下的鍵。"},
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
