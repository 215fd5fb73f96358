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
     "Não foi possível ler %s: %s", "Не удалось прочитать %s: %s", "Не вдалося прочитати %s: %s",
     "無法讀取 %s：%s"},
    // CouldNotSave
    {"无法保存 %s：%s", "Could not save %s: %s", "Impossible d'enregistrer %s : %s",
     "%s 파일을 저장할 수 없습니다: %s", "%s konnte nicht gespeichert werden: %s",
     "Impossibile salvare %s: %s", "No se pudo guardar %s: %s", "Kan %s niet opslaan: %s",
     "Não foi possível guardar %s: %s", "Не удалось сохранить %s: %s", "Не вдалося зберегти %s: %s",
     "無法儲存 %s：%s"},
    // ButtonHeldByAnotherProgram (short: the information box shows three lines)
    {"另一个程序占用了一个已指定功能的鼠标按键，该按键的点击也会传给那个程序。",
     "Another program has taken over a mouse button with a function; it gets the clicks too.",
     "Un autre programme a pris un bouton doté d'une fonction ; il en reçoit aussi les clics.",
     "다른 프로그램이 기능 버튼을 점유했습니다. 그 클릭도 그 프로그램에 전달됩니다.",
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
     "Aucun serveur de mise à jour : indiquez Host dans [Update] de z408.ini, près du programme.",
     "업데이트 서버 없음: z408.ini의 [Update]에 Host를 설정하십시오.",
     "Kein Update-Server eingerichtet: Host unter [Update] in z408.ini beim Programm eintragen.",
     "Nessun server di aggiornamento: impostare Host in [Update] di z408.ini, accanto al "
     "programma.",
     "Sin servidor de actualizaciones: indique Host en [Update] de z408.ini, junto al programa.",
     "Er is geen updateserver ingesteld. Stel Host in onder [Update] in z408.ini naast het "
     "programma.",
     "Sem servidor de atualizações: defina Host em [Update] no z408.ini, junto ao programa.",
     "Сервер обновлений не настроен. Укажите Host в разделе [Update] файла z408.ini рядом с "
     "программой.",
     "Сервер оновлень не налаштовано. Вкажіть Host у розділі [Update] файлу z408.ini поруч із "
     "програмою.",
     "未設定更新伺服器。請在程式旁 z408.ini 的 [Update] 區段設定 Host。"},
    // NoWebSite
    {"未配置网站地址。请在程序旁 z408.ini 的 [Support] 部分设置 WebSite。",
     "No web site address is configured. Set WebSite in the [Support] section of z408.ini beside "
     "the program.",
     "Aucune adresse de site web : indiquez WebSite dans [Support] de z408.ini, près du programme.",
     "웹 사이트 주소 없음: z408.ini의 [Support]에 WebSite를 설정하십시오.",
     "Keine Web-Adresse eingerichtet: WebSite unter [Support] in z408.ini beim Programm eintragen.",
     "Nessun indirizzo web: impostare WebSite in [Support] di z408.ini, accanto al programma.",
     "Sin dirección web: indique WebSite en [Support] de z408.ini, junto al programa.",
     "Er is geen websiteadres ingesteld. Stel WebSite in onder [Support] in z408.ini naast het "
     "programma.",
     "Sem endereço web: defina WebSite em [Support] no z408.ini, junto ao programa.",
     "Адрес веб-сайта не настроен. Укажите WebSite в разделе [Support] файла z408.ini рядом с "
     "программой.",
     "Адресу вебсайту не налаштовано. Вкажіть WebSite у розділі [Support] файлу z408.ini поруч із "
     "програмою.",
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
     "Le serveur de mise à jour ne répond pas : micrologiciel non vérifié. Réessayez plus tard.",
     "업데이트 서버가 응답하지 않아 펌웨어를 확인하지 못했습니다.",
     "Update-Server antwortet nicht: Firmware nicht geprüft. Bitte später erneut versuchen.",
     "Il server di aggiornamento non risponde: firmware non verificato. Riprovare più tardi.",
     "El servidor de actualizaciones no responde: firmware sin comprobar. Inténtelo más tarde.",
     "De updateserver antwoordt niet: firmware niet gecontroleerd. Probeer het later opnieuw.",
     "O servidor de atualizações não responde: firmware não verificado. Tente mais tarde.",
     "Сервер обновлений не ответил, микропрограмма не проверена. Повторите позже.",
     "Сервер оновлень не відповів, мікропрограму не перевірено. Спробуйте пізніше.",
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
    // EvdevNoMouseNode
    {"未找到鼠标的输入设备，因此无法获知其点击。请重新插入鼠标。",
     "No input device of the mouse was found, so its clicks are not seen. Plug the mouse in "
     "again.",
     "Aucun périphérique d'entrée de la souris n'a été trouvé : ses clics ne sont pas vus. "
     "Rebranchez la souris.",
     "마우스의 입력 장치를 찾을 수 없어 클릭을 감지할 수 없습니다. 마우스를 다시 연결하십시오.",
     "Kein Eingabegerät der Maus gefunden, ihre Klicks werden nicht gesehen. Stecken Sie die "
     "Maus neu ein.",
     "Nessun dispositivo di input del mouse trovato: i suoi clic non vengono visti. "
     "Ricollegare il mouse.",
     "No se encontró ningún dispositivo de entrada del ratón: no se ven sus clics. Vuelva a "
     "conectar el ratón.",
     "Geen invoerapparaat van de muis gevonden, dus de klikken worden niet gezien. Sluit de "
     "muis opnieuw aan.",
     "Nenhum dispositivo de entrada do rato foi encontrado: os seus cliques não são vistos. "
     "Volte a ligar o rato.",
     "Устройство ввода мыши не найдено, её нажатия не видны. Подключите мышь заново.",
     "Пристрій введення миші не знайдено, її натискання не видно. Під'єднайте мишу знову.",
     "找不到滑鼠的輸入裝置，因此無法得知其點擊。請重新插入滑鼠。"},
    // EvdevNodeNotReadable
    {"无法读取鼠标的输入设备 %s（%s）。请安装 udev 规则 70-z408.rules，然后重新插入鼠标。",
     "The mouse's input device %s cannot be read (%s). Install the udev rule 70-z408.rules "
     "and plug the mouse in again.",
     "Impossible de lire le périphérique d'entrée de la souris %s (%s). Installez la règle "
     "udev 70-z408.rules et rebranchez la souris.",
     "마우스 입력 장치 %s을(를) 읽을 수 없습니다(%s). udev 규칙 70-z408.rules를 설치하고 마우스를 "
     "다시 연결하십시오.",
     "Das Eingabegerät der Maus %s kann nicht gelesen werden (%s). Installieren Sie die "
     "udev-Regel 70-z408.rules und stecken Sie die Maus neu ein.",
     "Impossibile leggere il dispositivo di input del mouse %s (%s). Installare la regola "
     "udev 70-z408.rules e ricollegare il mouse.",
     "No se puede leer el dispositivo de entrada del ratón %s (%s). Instale la regla udev "
     "70-z408.rules y vuelva a conectar el ratón.",
     "Het invoerapparaat van de muis %s kan niet worden gelezen (%s). Installeer de "
     "udev-regel 70-z408.rules en sluit de muis opnieuw aan.",
     "Não é possível ler o dispositivo de entrada do rato %s (%s). Instale a regra udev "
     "70-z408.rules e volte a ligar o rato.",
     "Не удаётся прочитать устройство ввода мыши %s (%s). Установите правило udev "
     "70-z408.rules и подключите мышь заново.",
     "Не вдається прочитати пристрій введення миші %s (%s). Встановіть правило udev "
     "70-z408.rules і під'єднайте мишу знову.",
     "無法讀取滑鼠的輸入裝置 %s（%s）。請安裝 udev 規則 70-z408.rules，然後重新插入滑鼠。"},
    // EvdevNoUinput
    {"缺少 %s，因此已指定功能的按键也会传给其他程序。请加载 uinput 模块：sudo modprobe uinput。",
     "%s is missing, so buttons with a function also reach other programs. Load the uinput "
     "module: sudo modprobe uinput.",
     "%s est absent : les boutons dotés d'une fonction atteignent aussi les autres "
     "programmes. Chargez le module uinput : sudo modprobe uinput.",
     "%s이(가) 없어 기능 버튼이 다른 프로그램에도 전달됩니다. uinput 모듈을 로드하십시오: sudo "
     "modprobe uinput",
     "%s fehlt, daher erreichen Tasten mit Funktion auch andere Programme. Laden Sie das "
     "Modul uinput: sudo modprobe uinput.",
     "%s manca: i pulsanti con una funzione arrivano anche agli altri programmi. Caricare il "
     "modulo uinput: sudo modprobe uinput.",
     "Falta %s: los botones con una función llegan también a otros programas. Cargue el "
     "módulo uinput: sudo modprobe uinput.",
     "%s ontbreekt, dus knoppen met een functie bereiken ook andere programma's. Laad de "
     "module uinput: sudo modprobe uinput.",
     "Falta %s: os botões com uma função chegam também a outros programas. Carregue o módulo "
     "uinput: sudo modprobe uinput.",
     "Нет %s, поэтому кнопки с функцией доходят и до других программ. Загрузите модуль "
     "uinput: sudo modprobe uinput.",
     "Немає %s, тому кнопки з функцією доходять і до інших програм. Завантажте модуль uinput: "
     "sudo modprobe uinput.",
     "缺少 %s，因此已指定功能的按鍵也會傳給其他程式。請載入 uinput 模組：sudo modprobe uinput。"},
    // EvdevUinputNotWritable
    {"无法写入 %s（%s），因此已指定功能的按键也会传给其他程序。请安装 udev 规则 70-z408.rules "
     "并重新登录。",
     "%s cannot be written (%s), so buttons with a function also reach other programs. "
     "Install the udev rule 70-z408.rules and log in again.",
     "Impossible d'écrire dans %s (%s) : les boutons dotés d'une fonction atteignent aussi "
     "les autres programmes. Installez la règle udev 70-z408.rules et reconnectez-vous.",
     "%s에 쓸 수 없어(%s) 기능 버튼이 다른 프로그램에도 전달됩니다. udev 규칙 70-z408.rules를 "
     "설치하고 다시 로그인하십시오.",
     "%s ist nicht beschreibbar (%s), daher erreichen Tasten mit Funktion auch andere "
     "Programme. Installieren Sie die udev-Regel 70-z408.rules und melden Sie sich neu an.",
     "Impossibile scrivere su %s (%s): i pulsanti con una funzione arrivano anche agli altri "
     "programmi. Installare la regola udev 70-z408.rules e accedere di nuovo.",
     "No se puede escribir en %s (%s): los botones con una función llegan también a otros "
     "programas. Instale la regla udev 70-z408.rules y vuelva a iniciar sesión.",
     "%s is niet schrijfbaar (%s), dus knoppen met een functie bereiken ook andere "
     "programma's. Installeer de udev-regel 70-z408.rules en meld u opnieuw aan.",
     "Não é possível escrever em %s (%s): os botões com uma função chegam também a outros "
     "programas. Instale a regra udev 70-z408.rules e volte a iniciar sessão.",
     "Нет доступа на запись к %s (%s), поэтому кнопки с функцией доходят и до других "
     "программ. Установите правило udev 70-z408.rules и войдите в систему заново.",
     "Немає доступу на запис до %s (%s), тому кнопки з функцією доходять і до інших програм. "
     "Встановіть правило udev 70-z408.rules і увійдіть у систему знову.",
     "無法寫入 %s（%s），因此已指定功能的按鍵也會傳給其他程式。請安裝 udev 規則 70-z408.rules "
     "並重新登入。"},
    // EvdevUinputFailed
    {"无法通过 %s 创建输入设备（%s），因此已指定功能的按键也会传给其他程序。",
     "No input device could be made through %s (%s), so buttons with a function also reach "
     "other programs.",
     "Impossible de créer un périphérique d'entrée par %s (%s) : les boutons dotés d'une "
     "fonction atteignent aussi les autres programmes.",
     "%s을(를) 통해 입력 장치를 만들 수 없어(%s) 기능 버튼이 다른 프로그램에도 전달됩니다.",
     "Über %s ließ sich kein Eingabegerät anlegen (%s), daher erreichen Tasten mit Funktion "
     "auch andere Programme.",
     "Impossibile creare un dispositivo di input tramite %s (%s): i pulsanti con una funzione "
     "arrivano anche agli altri programmi.",
     "No se pudo crear un dispositivo de entrada mediante %s (%s): los botones con una "
     "función llegan también a otros programas.",
     "Via %s kon geen invoerapparaat worden gemaakt (%s), dus knoppen met een functie "
     "bereiken ook andere programma's.",
     "Não foi possível criar um dispositivo de entrada através de %s (%s): os botões com uma "
     "função chegam também a outros programas.",
     "Не удалось создать устройство ввода через %s (%s), поэтому кнопки с функцией доходят и "
     "до других программ.",
     "Не вдалося створити пристрій введення через %s (%s), тому кнопки з функцією доходять і "
     "до інших програм.",
     "無法透過 %s 建立輸入裝置（%s），因此已指定功能的按鍵也會傳給其他程式。"},
    // EvdevGrabBusy
    {"另一个程序占用了鼠标的输入设备 "
     "%s，因此已指定功能的按键也会传给其他程序。请关闭那个程序（例如按键重映射工具）。",
     "Another program holds the mouse's input device %s, so buttons with a function also "
     "reach other programs. Close that program (a key remapper, say).",
     "Un autre programme détient le périphérique d'entrée de la souris %s : les boutons dotés "
     "d'une fonction atteignent aussi les autres programmes. Fermez ce programme (un "
     "remappeur de touches, par exemple).",
     "다른 프로그램이 마우스 입력 장치 %s을(를) 점유하여 기능 버튼이 다른 프로그램에도 전달됩니다. "
     "그 프로그램(예: 키 재매핑 도구)을 종료하십시오.",
     "Ein anderes Programm belegt das Eingabegerät der Maus %s, daher erreichen Tasten mit "
     "Funktion auch andere Programme. Beenden Sie dieses Programm (etwa eine "
     "Tastenumbelegung).",
     "Un altro programma occupa il dispositivo di input del mouse %s: i pulsanti con una "
     "funzione arrivano anche agli altri programmi. Chiudere quel programma (ad esempio un "
     "rimappatore di tasti).",
     "Otro programa retiene el dispositivo de entrada del ratón %s: los botones con una "
     "función llegan también a otros programas. Cierre ese programa (un reasignador de "
     "teclas, por ejemplo).",
     "Een ander programma houdt het invoerapparaat van de muis %s vast, dus knoppen met een "
     "functie bereiken ook andere programma's. Sluit dat programma (bijvoorbeeld een "
     "toetsherindeler).",
     "Outro programa retém o dispositivo de entrada do rato %s: os botões com uma função "
     "chegam também a outros programas. Feche esse programa (um remapeador de teclas, por "
     "exemplo).",
     "Другая программа захватила устройство ввода мыши %s, поэтому кнопки с функцией доходят "
     "и до других программ. Закройте эту программу (например, переназначатель клавиш).",
     "Інша програма захопила пристрій введення миші %s, тому кнопки з функцією доходять і до "
     "інших програм. Закрийте цю програму (наприклад, перепризначувач клавіш).",
     "另一個程式佔用了滑鼠的輸入裝置 "
     "%s，因此已指定功能的按鍵也會傳給其他程式。請關閉那個程式（例如按鍵重新對應工具）。"},
    // EvdevGrabFailed
    {"无法接管鼠标的输入设备 %s（%s），因此已指定功能的按键也会传给其他程序。",
     "The mouse's input device %s could not be taken over (%s), so buttons with a function "
     "also reach other programs.",
     "Impossible de prendre le contrôle du périphérique d'entrée de la souris %s (%s) : les "
     "boutons dotés d'une fonction atteignent aussi les autres programmes.",
     "마우스 입력 장치 %s을(를) 점유할 수 없어(%s) 기능 버튼이 다른 프로그램에도 전달됩니다.",
     "Das Eingabegerät der Maus %s konnte nicht übernommen werden (%s), daher erreichen "
     "Tasten mit Funktion auch andere Programme.",
     "Impossibile prendere il controllo del dispositivo di input del mouse %s (%s): i "
     "pulsanti con una funzione arrivano anche agli altri programmi.",
     "No se pudo tomar el control del dispositivo de entrada del ratón %s (%s): los botones "
     "con una función llegan también a otros programas.",
     "Het invoerapparaat van de muis %s kon niet worden overgenomen (%s), dus knoppen met een "
     "functie bereiken ook andere programma's.",
     "Não foi possível assumir o controlo do dispositivo de entrada do rato %s (%s): os "
     "botões com uma função chegam também a outros programas.",
     "Не удалось захватить устройство ввода мыши %s (%s), поэтому кнопки с функцией доходят и "
     "до других программ.",
     "Не вдалося захопити пристрій введення миші %s (%s), тому кнопки з функцією доходять і "
     "до інших програм.",
     "無法接管滑鼠的輸入裝置 %s（%s），因此已指定功能的按鍵也會傳給其他程式。"},
    // EvdevWatchFailed
    {"无法监视鼠标的输入设备（%s），因此不会统计点击和滚轮，已指定功能的按键也不起作用。请重新"
     "启动本程序；如果问题仍在，请确认 /sys 已挂载，且没有沙箱阻止本程序使用 udev 的 netlink "
     "套接字。",
     "The mouse's input devices cannot be watched (%s), so its clicks and wheel are not counted "
     "and buttons with a function do nothing. Start the program again; if this stays, make sure "
     "/sys is mounted and that no sandbox keeps the program from udev's netlink socket.",
     "Impossible de surveiller les périphériques d'entrée de la souris (%s) : les clics et la "
     "molette ne sont pas comptés et les boutons dotés d'une fonction ne font rien. Redémarrez "
     "le programme ; si le problème persiste, vérifiez que /sys est monté et qu'aucun bac à "
     "sable n'empêche le programme d'utiliser le socket netlink d'udev.",
     "마우스 입력 장치를 감시할 수 없어(%s) 클릭과 휠이 집계되지 않고 기능 버튼도 작동하지 "
     "않습니다. 프로그램을 다시 시작하십시오. 문제가 계속되면 /sys가 마운트되어 있는지, "
     "샌드박스가 프로그램의 udev netlink 소켓 사용을 막고 있지 않은지 확인하십시오.",
     "Die Eingabegeräte der Maus können nicht überwacht werden (%s), daher werden Klicks und "
     "Mausrad nicht gezählt und Tasten mit Funktion bewirken nichts. Starten Sie das Programm "
     "neu; bleibt das Problem, prüfen Sie, ob /sys eingehängt ist und keine Sandbox dem Programm "
     "den Netlink-Socket von udev verwehrt.",
     "Impossibile sorvegliare i dispositivi di input del mouse (%s): i clic e la rotellina non "
     "vengono contati e i pulsanti con una funzione non fanno nulla. Riavviare il programma; se "
     "il problema persiste, verificare che /sys sia montato e che nessuna sandbox impedisca al "
     "programma di usare il socket netlink di udev.",
     "No se pueden vigilar los dispositivos de entrada del ratón (%s): los clics y la rueda no "
     "se cuentan y los botones con una función no hacen nada. Reinicie el programa; si el "
     "problema continúa, compruebe que /sys está montado y que ningún entorno aislado impide al "
     "programa usar el socket netlink de udev.",
     "De invoerapparaten van de muis kunnen niet worden gevolgd (%s), dus klikken en het "
     "wieltje worden niet geteld en knoppen met een functie doen niets. Start het programma "
     "opnieuw; blijft het probleem, controleer dan of /sys is aangekoppeld en of geen sandbox "
     "het programma de netlink-socket van udev ontzegt.",
     "Não é possível vigiar os dispositivos de entrada do rato (%s): os cliques e a roda não "
     "são contados e os botões com uma função não fazem nada. Reinicie o programa; se o "
     "problema continuar, verifique se /sys está montado e se nenhuma sandbox impede o programa "
     "de usar o socket netlink do udev.",
     "Не удаётся следить за устройствами ввода мыши (%s), поэтому щелчки и колесо не "
     "подсчитываются, а кнопки с функцией ничего не делают. Перезапустите программу; если "
     "проблема останется, проверьте, что /sys смонтирована и что никакая песочница не "
     "закрывает программе доступ к сокету netlink udev.",
     "Не вдається стежити за пристроями введення миші (%s), тому клацання та коліщатко не "
     "підраховуються, а кнопки з функцією нічого не роблять. Перезапустіть програму; якщо "
     "проблема залишиться, перевірте, що /sys змонтовано і що жодна пісочниця не закриває "
     "програмі доступ до сокета netlink udev.",
     "無法監視滑鼠的輸入裝置（%s），因此不會統計點擊和滾輪，已指定功能的按鍵也不起作用。請重新"
     "啟動本程式；如果問題仍在，請確認 /sys 已掛載，且沒有沙箱阻止本程式使用 udev 的 netlink "
     "通訊端。"},
    // MouseSearching
    {"正在查找Z408游戏鼠标…", "Looking for the Z408 gaming mouse…",
     "Recherche de la souris de jeu Z408…", "Z408 게이밍 마우스를 찾는 중…",
     "Die Z408-Gaming-Maus wird gesucht…", "Ricerca del mouse da gioco Z408…",
     "Buscando el ratón para juegos Z408…", "Zoeken naar de Z408-gamingmuis…",
     "A procurar o rato para jogos Z408…", "Поиск игровой мыши Z408…", "Пошук ігрової миші Z408…",
     "正在尋找Z408遊戲滑鼠…"},
    // MouseNoAccess
    {"Z408游戏鼠标已连接，但无法打开 %s（没有权限，或被其他程序占用）。请把 udev 规则 "
     "70-z408.rules 复制到 /etc/udev/rules.d/，运行 sudo udevadm control --reload-rules && sudo "
     "udevadm trigger，然后重新插入鼠标。",
     "The Z408 gaming mouse is connected, but %s cannot be opened (no permission, or another "
     "program holds it). Copy the udev rule 70-z408.rules to /etc/udev/rules.d/, run "
     "sudo udevadm control --reload-rules && sudo udevadm trigger, then plug the mouse in again.",
     "La souris de jeu Z408 est branchée, mais %s ne peut pas être ouvert (pas d'autorisation, "
     "ou un autre programme le tient). Copiez la règle udev 70-z408.rules dans "
     "/etc/udev/rules.d/, lancez sudo udevadm control --reload-rules && sudo udevadm trigger, puis "
     "rebranchez la souris.",
     "Z408 게이밍 마우스가 연결되어 있지만 %s을(를) 열 수 없습니다(권한 없음 또는 다른 프로그램이 "
     "사용 중). udev 규칙 70-z408.rules를 /etc/udev/rules.d/에 복사하고 sudo udevadm control "
     "--reload-rules && sudo udevadm trigger를 실행한 "
     "다음 마우스를 다시 연결하십시오.",
     "Die Z408-Gaming-Maus ist angeschlossen, aber %s lässt sich nicht öffnen (keine "
     "Berechtigung, oder ein anderes Programm hält es). Kopieren Sie die udev-Regel "
     "70-z408.rules nach /etc/udev/rules.d/, führen Sie sudo udevadm control --reload-rules && "
     "sudo udevadm trigger aus und stecken Sie die Maus neu "
     "ein.",
     "Il mouse da gioco Z408 è collegato, ma %s non si può aprire (nessun permesso, o un altro "
     "programma lo tiene). Copiare la regola udev 70-z408.rules in /etc/udev/rules.d/, eseguire "
     "sudo udevadm control --reload-rules && sudo udevadm trigger, poi ricollegare il mouse.",
     "El ratón para juegos Z408 está conectado, pero %s no se puede abrir (sin permiso, u otro "
     "programa lo tiene). Copie la regla udev 70-z408.rules en /etc/udev/rules.d/, ejecute "
     "sudo udevadm control --reload-rules && sudo udevadm trigger y vuelva a conectar el ratón.",
     "De Z408-gamingmuis is aangesloten, maar %s kan niet worden geopend (geen toestemming, of "
     "een ander programma houdt het vast). Kopieer de udev-regel 70-z408.rules naar "
     "/etc/udev/rules.d/, voer sudo udevadm control --reload-rules && sudo udevadm trigger uit en "
     "sluit de muis opnieuw aan.",
     "O rato para jogos Z408 está ligado, mas %s não pode ser aberto (sem permissão, ou outro "
     "programa o ocupa). Copie a regra udev 70-z408.rules para /etc/udev/rules.d/, execute "
     "sudo udevadm control --reload-rules && sudo udevadm trigger e volte a ligar o rato.",
     "Игровая мышь Z408 подключена, но %s не открывается (нет прав, или его занимает другая "
     "программа). Скопируйте правило udev 70-z408.rules в /etc/udev/rules.d/, выполните "
     "sudo udevadm control --reload-rules && sudo udevadm trigger и подключите мышь заново.",
     "Ігрову мишу Z408 під'єднано, але %s не відкривається (немає прав, або його тримає інша "
     "програма). Скопіюйте правило udev 70-z408.rules до /etc/udev/rules.d/, виконайте "
     "sudo udevadm control --reload-rules && sudo udevadm trigger і під'єднайте мишу знову.",
     "Z408遊戲滑鼠已連接，但無法開啟 %s（沒有權限，或被其他程式佔用）。請把 udev 規則 "
     "70-z408.rules 複製到 /etc/udev/rules.d/，執行 sudo udevadm control --reload-rules && sudo "
     "udevadm trigger，然後重新插入滑鼠。"},
    // StartAtLogin
    {"登录时启动", "Start at login", "Lancer à la connexion", "로그인 시 시작",
     "Beim Anmelden starten", "Avvia all'accesso", "Iniciar al entrar", "Starten bij aanmelden",
     "Iniciar ao entrar", "Запускать при входе", "Запускати під час входу", "登入時啟動"},
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
