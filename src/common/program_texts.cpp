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
