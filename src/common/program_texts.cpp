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
    // PathTooLong
    {"路径超过 259 个字符，无法指定给按键。请选择路径较短的文件或文件夹。",
     "The path is longer than 259 characters and cannot be given to the button. Choose a file "
     "or folder with a shorter path.",
     "Le chemin dépasse 259 caractères et ne peut pas être attribué au bouton. Choisissez un "
     "fichier ou un dossier au chemin plus court.",
     "경로가 259자를 넘어 버튼에 지정할 수 없습니다. 경로가 더 짧은 파일이나 폴더를 선택하세요.",
     "Der Pfad ist länger als 259 Zeichen und kann der Taste nicht zugewiesen werden. Wählen Sie "
     "eine Datei oder einen Ordner mit kürzerem Pfad.",
     "Il percorso supera i 259 caratteri e non può essere assegnato al pulsante. Scegliere un "
     "file o una cartella con un percorso più breve.",
     "La ruta tiene más de 259 caracteres y no se puede asignar al botón. Elija un archivo o una "
     "carpeta con una ruta más corta.",
     "Het pad is langer dan 259 tekens en kan niet aan de knop worden toegewezen. Kies een "
     "bestand of map met een korter pad.",
     "O caminho tem mais de 259 caracteres e não pode ser atribuído ao botão. Escolha um "
     "ficheiro ou uma pasta com um caminho mais curto.",
     "Путь длиннее 259 символов и не может быть назначен кнопке. Выберите файл или папку с "
     "более коротким путём.",
     "Шлях довший за 259 символів і не може бути призначений кнопці. Виберіть файл або теку з "
     "коротшим шляхом.",
     "路徑超過 259 個字元，無法指定給按鍵。請選擇路徑較短的檔案或資料夾。"},
    // MacroMissing
    {"所选的宏已不存在，该按键保持原有功能。",
     "The chosen macro no longer exists; the button keeps its function.",
     "La macro choisie n'existe plus ; le bouton garde sa fonction.",
     "선택한 매크로가 더 이상 존재하지 않습니다. 버튼은 기존 기능을 유지합니다.",
     "Das gewählte Makro existiert nicht mehr; die Taste behält ihre Funktion.",
     "La macro scelta non esiste più; il pulsante mantiene la sua funzione.",
     "La macro elegida ya no existe; el botón conserva su función.",
     "De gekozen macro bestaat niet meer; de knop behoudt zijn functie.",
     "A macro escolhida já não existe; o botão mantém a sua função.",
     "Выбранный макрос больше не существует; кнопка сохраняет свою функцию.",
     "Вибраний макрос більше не існує; кнопка зберігає свою функцію.",
     "所選的巨集已不存在，該按鍵保持原有功能。"},
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
