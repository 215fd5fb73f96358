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
    // NoUpdateServer
    {"未配置更新服务器。请在程序旁 z408.ini 的 [Update] 部分设置 Host。",
     "No update server is configured. Set Host in the [Update] section of z408.ini beside the "
     "program.",
     "Aucun serveur de mise à jour n'est configuré. Indiquez Host dans la section [Update] de "
     "z408.ini, à côté du programme.",
     "업데이트 서버가 설정되어 있지 않습니다. 프로그램 옆 z408.ini의 [Update] 섹션에서 Host를 "
     "설정하십시오.",
     "Es ist kein Update-Server eingerichtet. Tragen Sie Host im Abschnitt [Update] der Datei "
     "z408.ini neben dem Programm ein.",
     "Nessun server di aggiornamento configurato. Impostare Host nella sezione [Update] di "
     "z408.ini accanto al programma.",
     "No hay ningún servidor de actualizaciones configurado. Indique Host en la sección [Update] "
     "de z408.ini, junto al programa.",
     "Er is geen updateserver ingesteld. Stel Host in onder [Update] in z408.ini naast het "
     "programma.",
     "Nenhum servidor de atualizações está configurado. Defina Host na secção [Update] de "
     "z408.ini, junto ao programa.",
     "Сервер обновлений не настроен. Укажите Host в разделе [Update] файла z408.ini рядом с "
     "программой.",
     "Сервер оновлень не налаштовано. Вкажіть Host у розділі [Update] файлу z408.ini поруч із "
     "програмою.",
     "未設定更新伺服器。請在程式旁 z408.ini 的 [Update] 區段設定 Host。"},
    // NoWebSite
    {"未配置网站地址。请在程序旁 z408.ini 的 [Support] 部分设置 WebSite。",
     "No web site address is configured. Set WebSite in the [Support] section of z408.ini beside "
     "the program.",
     "Aucune adresse de site web n'est configurée. Indiquez WebSite dans la section [Support] de "
     "z408.ini, à côté du programme.",
     "웹 사이트 주소가 설정되어 있지 않습니다. 프로그램 옆 z408.ini의 [Support] 섹션에서 "
     "WebSite를 설정하십시오.",
     "Es ist keine Web-Adresse eingerichtet. Tragen Sie WebSite im Abschnitt [Support] der Datei "
     "z408.ini neben dem Programm ein.",
     "Nessun indirizzo web configurato. Impostare WebSite nella sezione [Support] di z408.ini "
     "accanto al programma.",
     "No hay ninguna dirección web configurada. Indique WebSite en la sección [Support] de "
     "z408.ini, junto al programa.",
     "Er is geen websiteadres ingesteld. Stel WebSite in onder [Support] in z408.ini naast het "
     "programma.",
     "Nenhum endereço de sítio web está configurado. Defina WebSite na secção [Support] de "
     "z408.ini, junto ao programa.",
     "Адрес веб-сайта не настроен. Укажите WebSite в разделе [Support] файла z408.ini рядом с "
     "программой.",
     "Адресу вебсайту не налаштовано. Вкажіть WebSite у розділі [Support] файлу z408.ini поруч "
     "із програмою.",
     "未設定網站位址。請在程式旁 z408.ini 的 [Support] 區段設定 WebSite。"},
    // UpdateCheckFailed
    {"无法检查固件更新：%s", "Could not check for a firmware update: %s",
     "Impossible de rechercher une mise à jour du micrologiciel : %s",
     "펌웨어 업데이트를 확인할 수 없습니다: %s",
     "Die Suche nach einer Firmware-Aktualisierung ist fehlgeschlagen: %s",
     "Impossibile verificare gli aggiornamenti del firmware: %s",
     "No se pudo comprobar si hay una actualización del firmware: %s",
     "Kan niet controleren op een firmware-update: %s",
     "Não foi possível procurar uma atualização do firmware: %s",
     "Не удалось проверить обновление микропрограммы: %s",
     "Не вдалося перевірити оновлення мікропрограми: %s", "無法檢查韌體更新：%s"},
    // UpdateServerSilent
    {"更新服务器没有及时响应，无法检查固件更新。请稍后再试。",
     "The update server did not answer in time, so the firmware could not be checked. Please try "
     "again later.",
     "Le serveur de mise à jour n'a pas répondu à temps ; le micrologiciel n'a pas pu être "
     "vérifié. Réessayez plus tard.",
     "업데이트 서버가 제때 응답하지 않아 펌웨어를 확인할 수 없었습니다. 나중에 다시 "
     "시도하십시오.",
     "Der Update-Server hat nicht rechtzeitig geantwortet, die Firmware konnte nicht geprüft "
     "werden. Bitte später erneut versuchen.",
     "Il server di aggiornamento non ha risposto in tempo: impossibile verificare il firmware. "
     "Riprovare più tardi.",
     "El servidor de actualizaciones no respondió a tiempo y no se pudo comprobar el firmware. "
     "Inténtelo de nuevo más tarde.",
     "De updateserver antwoordde niet op tijd; de firmware kon niet worden gecontroleerd. Probeer "
     "het later opnieuw.",
     "O servidor de atualizações não respondeu a tempo; não foi possível verificar o firmware. "
     "Tente novamente mais tarde.",
     "Сервер обновлений не ответил вовремя, проверить микропрограмму не удалось. Повторите "
     "попытку позже.",
     "Сервер оновлень не відповів вчасно, перевірити мікропрограму не вдалося. Спробуйте пізніше.",
     "更新伺服器沒有及時回應，無法檢查韌體更新。請稍後再試。"},
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
