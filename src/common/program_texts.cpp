// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

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
    {"此宏超过一个宏可保存的 1000 个事件，只保存了前面的部分，并补上了仍按住按键的松开。",
     "This macro has more than the 1000 events a macro can keep. Only its beginning was saved, "
     "with releases added for keys still held at the cut.",
     "Cette macro dépasse les 1000 événements qu'une macro peut contenir. Seul son début a été "
     "enregistré, avec le relâchement des touches encore enfoncées à la coupure.",
     "이 매크로는 매크로 하나가 담을 수 있는 1000개 이벤트를 넘습니다. 앞부분만 저장했으며, "
     "잘린 지점에서 아직 눌려 있던 키의 놓기를 추가했습니다.",
     "Dieses Makro hat mehr als die 1000 Ereignisse, die ein Makro fassen kann. Nur sein Anfang "
     "wurde gespeichert, ergänzt um das Loslassen der an der Schnittstelle noch gedrückten Tasten.",
     "Questa macro supera i 1000 eventi che una macro può contenere. È stato salvato solo "
     "l'inizio, con il rilascio dei tasti ancora premuti al punto di taglio.",
     "Esta macro supera los 1000 eventos que puede guardar una macro. Solo se ha guardado el "
     "principio, con la liberación de las teclas que seguían pulsadas en el corte.",
     "Deze macro heeft meer dan de 1000 gebeurtenissen die een macro kan bevatten. Alleen het "
     "begin is opgeslagen, met het loslaten van toetsen die bij de knip nog ingedrukt waren.",
     "Esta macro tem mais do que os 1000 eventos que uma macro consegue guardar. Só o início foi "
     "guardado, com a libertação das teclas ainda premidas no corte.",
     "В макросе больше 1000 событий, которые может хранить макрос. Сохранено только начало, "
     "с отпусканием клавиш, которые были нажаты в месте обрезки.",
     "У макросі більше 1000 подій, які може зберігати макрос. Збережено лише початок, з "
     "відпусканням клавіш, що були натиснуті в місці обрізання.",
     "此巨集超過一個巨集可保存的 1000 個事件，只儲存了前面的部分，並補上了仍按住按鍵的放開。"},
    // MacroWindowKeysOnly (short: two lines beside the loop count on the macro page)
    {"未能监听整个桌面的按键：只录制在本窗口中按下的键。",
     "Keys of the whole desktop cannot be watched here: only keys typed into this window are "
     "recorded.",
     "Seules les touches tapées dans cette fenêtre sont enregistrées, pas celles du bureau.",
     "여기서는 데스크톱 전체의 키를 감시할 수 없습니다. 이 창에 입력한 키만 기록됩니다.",
     "Nur in diesem Fenster getippte Tasten werden aufgenommen, nicht die des Desktops.",
     "Vengono registrati solo i tasti digitati in questa finestra, non quelli del desktop.",
     "Solo se graban las teclas pulsadas en esta ventana, no las del escritorio.",
     "Alleen in dit venster getypte toetsen worden opgenomen, niet die van het bureaublad.",
     "Só são gravadas as teclas premidas nesta janela, não as do ambiente de trabalho.",
     "Записываются только клавиши, нажатые в этом окне, а не на всём рабочем столе.",
     "Записуються лише клавіші, натиснуті в цьому вікні, а не на всьому робочому столі.",
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
    {"无法写入 %s（%s），因此已指定功能的按键也会传给其他程序。请安装 udev 规则 "
     "71-z408-uinput.rules "
     "并重新登录。",
     "%s cannot be written (%s), so buttons with a function also reach other programs. "
     "Install the udev rule 71-z408-uinput.rules and log in again.",
     "Impossible d'écrire dans %s (%s) : les boutons dotés d'une fonction atteignent aussi "
     "les autres programmes. Installez la règle udev 71-z408-uinput.rules et reconnectez-vous.",
     "%s에 쓸 수 없어(%s) 기능 버튼이 다른 프로그램에도 전달됩니다. udev 규칙 "
     "71-z408-uinput.rules를 "
     "설치하고 다시 로그인하십시오.",
     "%s ist nicht beschreibbar (%s), daher erreichen Tasten mit Funktion auch andere "
     "Programme. Installieren Sie die udev-Regel 71-z408-uinput.rules und melden Sie sich neu an.",
     "Impossibile scrivere su %s (%s): i pulsanti con una funzione arrivano anche agli altri "
     "programmi. Installare la regola udev 71-z408-uinput.rules e accedere di nuovo.",
     "No se puede escribir en %s (%s): los botones con una función llegan también a otros "
     "programas. Instale la regla udev 71-z408-uinput.rules y vuelva a iniciar sesión.",
     "%s is niet schrijfbaar (%s), dus knoppen met een functie bereiken ook andere "
     "programma's. Installeer de udev-regel 71-z408-uinput.rules en meld u opnieuw aan.",
     "Não é possível escrever em %s (%s): os botões com uma função chegam também a outros "
     "programas. Instale a regra udev 71-z408-uinput.rules e volte a iniciar sessão.",
     "Нет доступа на запись к %s (%s), поэтому кнопки с функцией доходят и до других "
     "программ. Установите правило udev 71-z408-uinput.rules и войдите в систему заново.",
     "Немає доступу на запис до %s (%s), тому кнопки з функцією доходять і до інших програм. "
     "Встановіть правило udev 71-z408-uinput.rules і увійдіть у систему знову.",
     "無法寫入 %s（%s），因此已指定功能的按鍵也會傳給其他程式。請安裝 udev 規則 "
     "71-z408-uinput.rules "
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
    // NoFirmwareBurner
    {"本程序的此安装中没有固件烧录程序，无法从这里更新鼠标的固件。",
     "This installation of the program has no firmware burner, so the mouse's firmware cannot be "
     "updated from here.",
     "Cette installation du programme n'a pas d'outil de gravure du micrologiciel : le "
     "micrologiciel de la souris ne peut pas être mis à jour d'ici.",
     "이 프로그램 설치에는 펌웨어 기록 도구가 없어 여기서 마우스 펌웨어를 업데이트할 수 없습니다.",
     "Diese Installation des Programms hat kein Firmware-Brennprogramm, daher kann die Firmware "
     "der "
     "Maus von hier aus nicht aktualisiert werden.",
     "Questa installazione del programma non ha uno strumento di scrittura del firmware: il "
     "firmware del mouse non può essere aggiornato da qui.",
     "Esta instalación del programa no tiene grabador de firmware: el firmware del ratón no se "
     "puede actualizar desde aquí.",
     "Deze installatie van het programma heeft geen firmwarebrander, dus de firmware van de muis "
     "kan hier niet worden bijgewerkt.",
     "Esta instalação do programa não tem gravador de firmware: o firmware do rato não pode ser "
     "atualizado a partir daqui.",
     "В этой установке программы нет средства записи прошивки, поэтому прошивку мыши отсюда "
     "обновить нельзя.",
     "У цьому встановленні програми немає засобу запису мікропрограми, тому мікропрограму миші "
     "звідси оновити не можна.",
     "本程式的此安裝中沒有韌體燒錄程式，無法從這裡更新滑鼠的韌體。"},
    // NoProgramUpdater
    {"本程序的此安装中没有程序更新程序，请通过发行版的软件包管理器更新本程序。",
     "This installation of the program has no program updater; update the program through your "
     "distribution's package manager.",
     "Cette installation du programme n'a pas d'outil de mise à jour : mettez le programme à jour "
     "avec le gestionnaire de paquets de votre distribution.",
     "이 프로그램 설치에는 프로그램 업데이트 도구가 없습니다. 배포판의 패키지 관리자로 프로그램을 "
     "업데이트하십시오.",
     "Diese Installation des Programms hat kein Aktualisierungsprogramm; aktualisieren Sie das "
     "Programm über die Paketverwaltung Ihrer Distribution.",
     "Questa installazione del programma non ha uno strumento di aggiornamento: aggiornare il "
     "programma con il gestore dei pacchetti della distribuzione.",
     "Esta instalación del programa no tiene actualizador: actualice el programa con el gestor de "
     "paquetes de su distribución.",
     "Deze installatie van het programma heeft geen updateprogramma; werk het programma bij via "
     "het "
     "pakketbeheer van uw distributie.",
     "Esta instalação do programa não tem atualizador: atualize o programa com o gestor de pacotes "
     "da sua distribuição.",
     "В этой установке программы нет средства обновления; обновляйте программу через менеджер "
     "пакетов вашего дистрибутива.",
     "У цьому встановленні програми немає засобу оновлення; оновлюйте програму через менеджер "
     "пакунків вашого дистрибутива.",
     "本程式的此安裝中沒有程式更新程式，請透過發行版的套件管理員更新本程式。"},
    // MacroGoneFromButtons
    {"%s：这些按键的宏已不在宏库中，鼠标不会为它们收到任何功能。请重新为它们选择功能。",
     "%s: the macro of these buttons is no longer in the macro library, so the mouse gets no "
     "function for them. Choose their function again.",
     "%s : la macro de ces boutons n'est plus dans la bibliothèque de macros ; la souris ne "
     "reçoit aucune fonction pour eux. Choisissez de nouveau leur fonction.",
     "%s: 이 버튼들의 매크로가 더 이상 매크로 라이브러리에 없어 마우스가 이 버튼들에 대한 기능을 "
     "받지 못합니다. 기능을 다시 선택하십시오.",
     "%s: Das Makro dieser Tasten ist nicht mehr in der Makrobibliothek, die Maus erhält für sie "
     "keine Funktion. Wählen Sie ihre Funktion neu.",
     "%s: la macro di questi pulsanti non è più nella libreria delle macro, quindi il mouse non "
     "riceve alcuna funzione per essi. Sceglierne di nuovo la funzione.",
     "%s: la macro de estos botones ya no está en la biblioteca de macros, así que el ratón no "
     "recibe ninguna función para ellos. Elija de nuevo su función.",
     "%s: de macro van deze knoppen staat niet meer in de macrobibliotheek, dus de muis krijgt "
     "voor deze knoppen geen functie. Kies hun functie opnieuw.",
     "%s: a macro destes botões já não está na biblioteca de macros, por isso o rato não recebe "
     "nenhuma função para eles. Escolha de novo a sua função.",
     "%s: макроса этих кнопок больше нет в библиотеке макросов, поэтому мышь не получает для "
     "них никакой функции. Выберите их функцию заново.",
     "%s: макросу цих кнопок більше немає в бібліотеці макросів, тому миша не отримує для них "
     "жодної функції. Виберіть їхню функцію знову.",
     "%s：這些按鍵的巨集已不在巨集庫中，滑鼠不會為它們收到任何功能。請重新為它們選擇功能。"},
    // MacroGoneName
    {"%s（已从宏库中删除）", "%s (deleted from the macro library)",
     "%s (supprimée de la bibliothèque de macros)", "%s (매크로 라이브러리에서 삭제됨)",
     "%s (aus der Makrobibliothek gelöscht)", "%s (eliminata dalla libreria delle macro)",
     "%s (eliminada de la biblioteca de macros)", "%s (verwijderd uit de macrobibliotheek)",
     "%s (eliminada da biblioteca de macros)", "%s (удалён из библиотеки макросов)",
     "%s (видалено з бібліотеки макросів)", "%s（已從巨集庫中刪除）"},
    // ProfileSwitchedWhileOpen
    {"对话框打开期间切换了配置文件：新配置文件未作任何更改。",
     "The profile was switched while the dialog was open: the new one was left unchanged.",
     "Le profil a changé pendant le dialogue : le nouveau profil est resté inchangé.",
     "대화 상자가 열린 동안 프로필이 바뀌어 새 프로필은 바꾸지 않았습니다.",
     "Profil während des Dialogs gewechselt: das neue Profil bleibt unverändert.",
     "Profilo cambiato durante la finestra: il nuovo profilo resta invariato.",
     "El perfil cambió durante el diálogo: el nuevo perfil no se modificó.",
     "Profiel gewisseld tijdens het venster: het nieuwe profiel blijft ongewijzigd.",
     "O perfil mudou durante a caixa: o novo perfil ficou inalterado.",
     "Профиль сменился при открытом окне: новый профиль не изменён.",
     "Профіль змінився при відкритому вікні: новий профіль не змінено.",
     "對話框開啟期間切換了設定檔：新設定檔未作任何變更。"},
    // RecordedMacroDeleted
    {"正在录制的宏已被其他程序删除，录制内容未保存。",
     "Another program deleted the macro being recorded: the recording was not kept.",
     "Un autre programme a supprimé la macro enregistrée : l'enregistrement est perdu.",
     "다른 프로그램이 녹화 중인 매크로를 삭제하여 녹화 내용을 저장하지 않았습니다.",
     "Ein anderes Programm löschte das aufgenommene Makro: Aufnahme verworfen.",
     "Un altro programma ha eliminato la macro registrata: registrazione scartata.",
     "Otro programa eliminó la macro en grabación: la grabación se descartó.",
     "Een ander programma verwijderde de opgenomen macro: opname niet bewaard.",
     "Outro programa eliminou a macro em gravação: a gravação foi descartada.",
     "Другая программа удалила записываемый макрос: запись не сохранена.",
     "Інша програма видалила макрос, що записувався: запис не збережено.",
     "正在錄製的巨集已被其他程式刪除，錄製內容未儲存。"},
    // ButtonLeft
    {"左键", "Left button", "Bouton gauche", "왼쪽 버튼", "Linke Taste", "Pulsante sinistro",
     "Botón izquierdo", "Linkerknop", "Botão esquerdo", "Левая кнопка", "Ліва кнопка", "左鍵"},
    // ButtonMiddle
    {"中键", "Middle button", "Bouton central", "가운데 버튼", "Mittlere Taste",
     "Pulsante centrale", "Botón central", "Middelste knop", "Botão do meio", "Средняя кнопка",
     "Середня кнопка", "中鍵"},
    // ButtonRight
    {"右键", "Right button", "Bouton droit", "오른쪽 버튼", "Rechte Taste", "Pulsante destro",
     "Botón derecho", "Rechterknop", "Botão direito", "Правая кнопка", "Права кнопка", "右鍵"},
    // ButtonForward
    {"前进键", "Forward button", "Bouton avant", "앞으로 버튼", "Vorwärts-Taste", "Pulsante avanti",
     "Botón adelante", "Vooruitknop", "Botão avançar", "Кнопка «Вперёд»", "Кнопка «Вперед»",
     "前進鍵"},
    // ButtonBack
    {"后退键", "Back button", "Bouton arrière", "뒤로 버튼", "Zurück-Taste", "Pulsante indietro",
     "Botón atrás", "Terugknop", "Botão recuar", "Кнопка «Назад»", "Кнопка «Назад»", "後退鍵"},
    // ButtonWheelUp
    {"滚轮向上", "Wheel up", "Molette vers le haut", "휠 위로", "Rad nach oben", "Rotella su",
     "Rueda arriba", "Wiel omhoog", "Roda para cima", "Колесо вверх", "Колесо вгору", "滾輪向上"},
    // ButtonWheelDown
    {"滚轮向下", "Wheel down", "Molette vers le bas", "휠 아래로", "Rad nach unten", "Rotella giù",
     "Rueda abajo", "Wiel omlaag", "Roda para baixo", "Колесо вниз", "Колесо вниз", "滾輪向下"},
    // MacroCutInMouse
    {"鼠标只收到了宏“%s”的前面部分：它需要 %s 步，而鼠标最多播放 254 "
     "步。截断处仍按住的按键已松开。",
     "The mouse got only the beginning of the macro \"%s\": it needs %s steps and the mouse "
     "plays at most 254. Keys still held at the cut are released.",
     "La souris n'a reçu que le début de la macro « %s » : elle demande %s pas et la souris en "
     "joue au plus 254. Les touches encore enfoncées à la coupure sont relâchées.",
     "마우스가 매크로 \"%s\"의 앞부분만 받았습니다. 이 매크로는 %s 단계가 필요하지만 마우스는 "
     "최대 254 단계를 재생합니다. 잘린 지점에서 눌려 있던 키는 놓습니다.",
     "Die Maus hat nur den Anfang des Makros „%s“ erhalten: Es braucht %s Schritte, die Maus "
     "spielt höchstens 254. An der Schnittstelle gedrückte Tasten werden losgelassen.",
     "Il mouse ha ricevuto solo l'inizio della macro \"%s\": richiede %s passi e il mouse ne "
     "esegue al massimo 254. I tasti ancora premuti al taglio vengono rilasciati.",
     "El ratón solo ha recibido el principio de la macro \"%s\": necesita %s pasos y el ratón "
     "reproduce 254 como máximo. Las teclas pulsadas en el corte se liberan.",
     "De muis heeft alleen het begin van de macro \"%s\" gekregen: die heeft %s stappen nodig "
     "en de muis speelt er hoogstens 254. Toetsen die bij de knip ingedrukt zijn, worden "
     "losgelaten.",
     "O rato recebeu só o início da macro \"%s\": precisa de %s passos e o rato reproduz no "
     "máximo 254. As teclas ainda premidas no corte são libertadas.",
     "Мышь получила только начало макроса «%s»: ему нужно %s шагов, а мышь воспроизводит не "
     "больше 254. Клавиши, нажатые в месте обрезки, отпускаются.",
     "Миша отримала лише початок макросу «%s»: йому потрібно %s кроків, а миша відтворює не "
     "більше 254. Клавіші, натиснуті в місці обрізання, відпускаються.",
     "滑鼠只收到了巨集「%s」的前面部分：它需要 %s 步，而滑鼠最多播放 254 "
     "步。截斷處仍按住的按鍵已放開。"},
    // MacroMouseSteps (one short line under the event list)
    {"鼠标步数：%s / %s", "Mouse steps: %s of %s", "Pas dans la souris : %s sur %s",
     "마우스 단계: %s / %s", "Schritte in der Maus: %s von %s", "Passi nel mouse: %s di %s",
     "Pasos en el ratón: %s de %s", "Stappen in de muis: %s van %s", "Passos no rato: %s de %s",
     "Шагов в мыши: %s из %s", "Кроків у миші: %s з %s", "滑鼠步數：%s / %s"},
    // MacroRecordingFull
    {"录制最多保存 999 个按键：之后的按键未录制，只保留了仍按住按键的松开。",
     "A recording holds at most 999 keys: later keys were not recorded, except the releases of "
     "keys still held.",
     "Un enregistrement contient au plus 999 touches : les suivantes n'ont pas été enregistrées, "
     "sauf le relâchement des touches encore enfoncées.",
     "녹화는 최대 999개 키를 담습니다. 이후의 키는 기록되지 않았으며, 눌려 있던 키의 놓기만 "
     "기록했습니다.",
     "Eine Aufnahme fasst höchstens 999 Tasten: Spätere Tasten wurden nicht aufgenommen, außer "
     "dem Loslassen noch gedrückter Tasten.",
     "Una registrazione contiene al massimo 999 tasti: i successivi non sono stati registrati, "
     "tranne il rilascio dei tasti ancora premuti.",
     "Una grabación guarda como máximo 999 teclas: las siguientes no se grabaron, salvo la "
     "liberación de las teclas que seguían pulsadas.",
     "Een opname bevat hoogstens 999 toetsen: latere toetsen zijn niet opgenomen, behalve het "
     "loslaten van toetsen die nog ingedrukt waren.",
     "Uma gravação guarda no máximo 999 teclas: as seguintes não foram gravadas, exceto a "
     "libertação das teclas ainda premidas.",
     "Запись вмещает не больше 999 клавиш: последующие клавиши не записаны, кроме отпускания "
     "ещё нажатых.",
     "Запис вміщує не більше 999 клавіш: наступні клавіші не записано, крім відпускання ще "
     "натиснутих.",
     "錄製最多保存 999 個按鍵：之後的按鍵未錄製，只保留了仍按住按鍵的放開。"},
    // MacroReleasesAdded
    {"此宏中有按下后未松开的按键：已在末尾补上它们的松开，鼠标才不会一直按住。",
     "Keys pressed in this macro were never released: their releases were added at the end, so "
     "that the mouse does not hold them down.",
     "Des touches enfoncées dans cette macro n'étaient jamais relâchées : leur relâchement a été "
     "ajouté à la fin, pour que la souris ne les garde pas enfoncées.",
     "이 매크로에서 누른 키가 놓이지 않았습니다. 마우스가 계속 누르고 있지 않도록 끝에 놓기를 "
     "추가했습니다.",
     "In diesem Makro gedrückte Tasten wurden nie losgelassen: Ihr Loslassen wurde am Ende "
     "ergänzt, damit die Maus sie nicht gedrückt hält.",
     "Alcuni tasti premuti in questa macro non venivano mai rilasciati: il loro rilascio è stato "
     "aggiunto alla fine, perché il mouse non li tenga premuti.",
     "Algunas teclas pulsadas en esta macro nunca se soltaban: se ha añadido su liberación al "
     "final, para que el ratón no las mantenga pulsadas.",
     "Toetsen die in deze macro worden ingedrukt, werden nooit losgelaten: het loslaten is aan "
     "het eind toegevoegd, zodat de muis ze niet ingedrukt houdt.",
     "Teclas premidas nesta macro nunca eram libertadas: a sua libertação foi acrescentada no "
     "fim, para que o rato não as mantenha premidas.",
     "Клавиши, нажатые в этом макросе, не отпускались: их отпускание добавлено в конец, чтобы "
     "мышь не удерживала их.",
     "Клавіші, натиснуті в цьому макросі, не відпускалися: їх відпускання додано в кінець, щоб "
     "миша не утримувала їх.",
     "此巨集中有按下後未放開的按鍵：已在末尾補上它們的放開，滑鼠才不會一直按住。"},
    // MacroKeysWithoutCode
    {"鼠标没有这些按键的代码，播放时不会发送它们：%s",
     "The mouse has no code for these keys of the macro and sends nothing for them: %s",
     "La souris n'a pas de code pour ces touches de la macro et n'envoie rien pour elles : %s",
     "마우스에 이 매크로 키의 코드가 없어 해당 키는 아무것도 보내지 않습니다: %s",
     "Die Maus hat keinen Code für diese Tasten des Makros und sendet für sie nichts: %s",
     "Il mouse non ha un codice per questi tasti della macro e non invia nulla per essi: %s",
     "El ratón no tiene código para estas teclas de la macro y no envía nada por ellas: %s",
     "De muis heeft geen code voor deze toetsen van de macro en stuurt voor ze niets: %s",
     "O rato não tem código para estas teclas da macro e não envia nada por elas: %s",
     "У мыши нет кода для этих клавиш макроса, и она ничего для них не отправляет: %s",
     "Миша не має коду для цих клавіш макросу й нічого для них не надсилає: %s",
     "滑鼠沒有這些按鍵的代碼，播放時不會傳送它們：%s"},
    // MacroNameBlank
    {"宏需要一个名称：空白名称或只有空格的名称不能使用。",
     "A macro needs a name: an empty name or one of spaces only is not taken.",
     "Une macro a besoin d'un nom : un nom vide ou fait seulement d'espaces n'est pas accepté.",
     "매크로에는 이름이 필요합니다. 비어 있거나 공백만 있는 이름은 사용할 수 없습니다.",
     "Ein Makro braucht einen Namen: Ein leerer Name oder einer nur aus Leerzeichen wird nicht "
     "übernommen.",
     "Una macro ha bisogno di un nome: un nome vuoto o di soli spazi non è accettato.",
     "Una macro necesita un nombre: no se acepta un nombre vacío o solo de espacios.",
     "Een macro heeft een naam nodig: een lege naam of een naam van alleen spaties wordt niet "
     "aangenomen.",
     "Uma macro precisa de um nome: um nome vazio ou só de espaços não é aceite.",
     "Макросу нужно имя: пустое имя или имя только из пробелов не принимается.",
     "Макросу потрібне ім'я: порожнє ім'я або ім'я лише з пробілів не приймається.",
     "巨集需要一個名稱：空白名稱或只有空格的名稱不能使用。"},
    // MacroNameTaken
    {"已有另一个宏名为“%s”：请换一个名称。",
     "Another macro is already called \"%s\": choose another name.",
     "Une autre macro s'appelle déjà « %s » : choisissez un autre nom.",
     "다른 매크로의 이름이 이미 \"%s\"입니다. 다른 이름을 고르십시오.",
     "Ein anderes Makro heißt bereits „%s“: Wählen Sie einen anderen Namen.",
     "Un'altra macro si chiama già \"%s\": scegliete un altro nome.",
     "Otra macro ya se llama \"%s\": elija otro nombre.",
     "Een andere macro heet al \"%s\": kies een andere naam.",
     "Outra macro já se chama \"%s\": escolha outro nome.",
     "Другой макрос уже называется «%s»: выберите другое имя.",
     "Інший макрос уже називається «%s»: виберіть інше ім'я.",
     "已有另一個巨集名為「%s」：請換一個名稱。"},
    // InfoBoxCaption (one short word: the caption's place is 90 pixels wide)
    {"提示", "Tips", "Info", "알림", "Hinweis", "Avviso", "Aviso", "Melding", "Aviso", "Сообщение",
     "Повідомлення", "提示"},
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
    // AccessMinimise
    {"最小化", "Minimise", "Réduire", "최소화", "Minimieren", "Riduci a icona", "Minimizar",
     "Minimaliseren", "Minimizar", "Свернуть", "Згорнути", "最小化"},
    // AccessLanguage
    {"语言", "Language", "Langue", "언어", "Sprache", "Lingua", "Idioma", "Taal", "Idioma", "Язык",
     "Мова", "語言"},
    // AccessNamedValue
    {"%s：%s", "%s: %s", "%s : %s", "%s: %s", "%s: %s", "%s: %s", "%s: %s", "%s: %s", "%s: %s",
     "%s: %s", "%s: %s", "%s：%s"},
    // AccessMoreLines
    {"增加行数", "More lines", "Plus de lignes", "줄 수 늘리기", "Mehr Zeilen", "Più righe",
     "Más líneas", "Meer regels", "Mais linhas", "Больше строк", "Більше рядків", "增加行數"},
    // AccessFewerLines
    {"减少行数", "Fewer lines", "Moins de lignes", "줄 수 줄이기", "Weniger Zeilen", "Meno righe",
     "Menos líneas", "Minder regels", "Menos linhas", "Меньше строк", "Менше рядків", "減少行數"},
    // AccessSpeed
    {"速度", "Speed", "Vitesse", "속도", "Geschwindigkeit", "Velocità", "Velocidad", "Snelheid",
     "Velocidade", "Скорость", "Швидкість", "速度"},
    // AccessBrightness
    {"亮度", "Brightness", "Luminosité", "밝기", "Helligkeit", "Luminosità", "Brillo", "Helderheid",
     "Brilho", "Яркость", "Яскравість", "亮度"},
    // AccessRed
    {"红", "Red", "Rouge", "빨강", "Rot", "Rosso", "Rojo", "Rood", "Vermelho", "Красный",
     "Червоний", "紅"},
    // AccessGreen
    {"绿", "Green", "Vert", "초록", "Grün", "Verde", "Verde", "Groen", "Verde", "Зелёный",
     "Зелений", "綠"},
    // AccessBlue
    {"蓝", "Blue", "Bleu", "파랑", "Blau", "Blu", "Azul", "Blauw", "Azul", "Синий", "Синій", "藍"},
    // AccessColour
    {"颜色 %s", "Colour %s", "Couleur %s", "색상 %s", "Farbe %s", "Colore %s", "Color %s",
     "Kleur %s", "Cor %s", "Цвет %s", "Колір %s", "顏色 %s"},
    // AccessCustomColours
    {"自定义颜色", "Custom colours", "Couleurs personnalisées", "사용자 지정 색상", "Eigene Farben",
     "Colori personalizzati", "Colores personalizados", "Eigen kleuren", "Cores personalizadas",
     "Свои цвета", "Власні кольори", "自訂顏色"},
    // MacroEventPress
    {"按下 %s", "Press %s", "Appui %s", "%s 누름", "Drücken %s", "Premi %s", "Pulsar %s",
     "Indrukken %s", "Premir %s", "Нажатие %s", "Натискання %s", "按下 %s"},
    // MacroEventRelease
    {"松开 %s", "Release %s", "Relâchement %s", "%s 뗌", "Loslassen %s", "Rilascia %s", "Soltar %s",
     "Loslaten %s", "Soltar %s", "Отпускание %s", "Відпускання %s", "放開 %s"},
    // MacroEventDelay
    {"延迟 %s 毫秒", "Delay %s ms", "Délai %s ms", "지연 %s ms", "Pause %s ms", "Ritardo %s ms",
     "Retardo %s ms", "Vertraging %s ms", "Atraso %s ms", "Задержка %s мс", "Затримка %s мс",
     "延遲 %s 毫秒"},
    // AccessClose
    {"关闭", "Close", "Fermer", "닫기", "Schließen", "Chiudi", "Cerrar", "Sluiten", "Fechar",
     "Закрыть", "Закрити", "關閉"},
    // CaptionAppName
    {"游戏鼠标驱动程序", "Gaming Mouse Driver", "Pilote de souris gaming", "게이밍 마우스 드라이버",
     "Gaming-Maus-Treiber", "Driver mouse da gioco", "Controlador de ratón gaming",
     "Gamingmuis-driver", "Controlador do rato gaming", "Драйвер игровой мыши",
     "Драйвер ігрової миші", "遊戲滑鼠驅動程式"},
    // CaptionButtonMap
    {"按键分布", "Button map", "Boutons", "버튼 배치", "Tastenbelegung", "Mappa pulsanti",
     "Mapa de botones", "Knoppen", "Mapa de botões", "Кнопки мыши", "Кнопки миші", "按鍵分佈"},
    // CaptionSlow
    {"慢", "Slow", "Lent", "느리게", "Langsam", "Lento", "Lenta", "Traag", "Lento", "Медленно",
     "Повільно", "慢"},
    // CaptionFast
    {"快", "Fast", "Rapide", "빠르게", "Schnell", "Veloce", "Rápida", "Snel", "Rápido", "Быстро",
     "Швидко", "快"},
    // CaptionPrecision
    {"提高精度", "Precision", "Précision", "정확도 향상", "Präzision", "Precisione", "Precisión",
     "Precisie", "Precisão", "Точность", "Точність", "提高精度"},
    // CaptionLow
    {"低", "Low", "Basse", "낮게", "Niedrig", "Bassa", "Baja", "Laag", "Baixa", "Низко", "Низько",
     "低"},
    // CaptionHigh
    {"高", "High", "Haute", "높게", "Hoch", "Alta", "Alta", "Hoog", "Alta", "Высоко", "Високо",
     "高"},
    // CaptionReportsPerSecond
    {"每秒回报次数 (Hz)", "Reports per second (Hz)", "Rapports par seconde (Hz)",
     "초당 보고 횟수 (Hz)", "Abfragen pro Sekunde (Hz)", "Rapporti al secondo (Hz)",
     "Informes por segundo (Hz)", "Rapporten per seconde (Hz)", "Relatórios por segundo (Hz)",
     "Опросов в секунду (Гц)", "Опитувань за секунду (Гц)", "每秒回報次數 (Hz)"},
    // CaptionScrollLines
    {"按行滚动", "Scroll by lines", "Par lignes", "줄 단위", "Zeilenweise", "Per righe",
     "Por líneas", "Per regel", "Por linhas", "По строкам", "По рядках", "按行捲動"},
    // CaptionScrollScreen
    {"按页滚动", "Scroll one screen", "Par écran", "화면 단위", "Seitenweise", "Per schermata",
     "Por pantalla", "Per scherm", "Por ecrã", "По экранам", "По екранах", "按頁捲動"},
    // CaptionLinesPerNotch
    {"每格行数", "Lines per notch", "Lignes par cran", "칸당 줄 수", "Zeilen pro Raste",
     "Righe per scatto", "Líneas por paso", "Regels per klik", "Linhas por passo",
     "Строк за щелчок", "Рядків за крок", "每格行數"},
    // CaptionDpiLevels
    {"DPI 设置", "DPI levels", "Niveaux DPI", "DPI 단계", "DPI-Stufen", "Livelli DPI",
     "Niveles de DPI", "DPI-standen", "Níveis de DPI", "Уровни DPI", "Рівні DPI", "DPI 設定"},
    // CaptionPointerSpeed
    {"指针速度", "Pointer speed", "Vitesse du pointeur", "포인터 속도", "Zeigergeschwindigkeit",
     "Velocità puntatore", "Velocidad del puntero", "Aanwijzersnelheid", "Velocidade do ponteiro",
     "Скорость указателя", "Швидкість вказівника", "指標速度"},
    // CaptionLiftOff
    {"传感器高度", "Lift-off height", "Distance de levée", "리프트 오프 거리", "Abhebehöhe",
     "Sollevamento", "Distancia de elevación", "Optilafstand", "Distância de elevação",
     "Высота отрыва", "Висота відриву", "感測器高度"},
    // CaptionReportRate
    {"回报率", "Report rate", "Taux d’interrogation", "폴링 레이트", "Abfragerate",
     "Frequenza di polling", "Tasa de sondeo", "Pollingrate", "Taxa de sondagem", "Частота опроса",
     "Частота опитування", "回報率"},
    // CaptionWheelScrolling
    {"滚轮滚动", "Wheel scrolling", "Défilement", "휠 스크롤", "Mausrad", "Scorrimento rotella",
     "Desplazamiento", "Scrollwiel", "Deslocamento", "Прокрутка колеса", "Прокручування коліщатка",
     "滾輪捲動"},
    // CaptionButtons
    {"按键设置", "Buttons", "Boutons", "버튼", "Tasten", "Pulsanti", "Botones", "Knoppen", "Botões",
     "Кнопки", "Кнопки", "按鍵設定"},
    // CaptionBacklight
    {"背光模式", "Backlight", "Rétroéclairage", "백라이트", "Beleuchtung", "Retroilluminazione",
     "Retroiluminación", "Verlichting", "Retroiluminação", "Подсветка", "Підсвічування",
     "背光模式"},
    // CaptionMulticolour
    {"多彩", "Multicolour", "Multicolore", "멀티컬러", "Mehrfarbig", "Multicolore", "Multicolor",
     "Meerkleurig", "Multicor", "Многоцветный", "Багатоколірний", "多彩"},
    // CaptionProximity
    {"接近感应", "Proximity sensing", "Proximité", "근접 감지", "Annäherungssensor", "Prossimità",
     "Proximidad", "Nabijheid", "Proximidade", "Датчик приближения", "Датчик наближення",
     "接近感應"},
    // CaptionCurrentColour
    {"当前颜色", "Current colour", "Couleur actuelle", "현재 색상", "Aktuelle Farbe",
     "Colore attuale", "Color actual", "Huidige kleur", "Cor atual", "Текущий цвет",
     "Поточний колір", "目前顏色"},
    // CaptionColour
    {"颜色设置", "Colour", "Couleur", "색상", "Farbe", "Colore", "Color", "Kleur", "Cor", "Цвет",
     "Колір", "顏色設定"},
    // CaptionPresetColours
    {"预设颜色", "Preset colours", "Couleurs prédéfinies", "기본 색상", "Farbvorlagen",
     "Colori predefiniti", "Colores predefinidos", "Vaste kleuren", "Cores predefinidas",
     "Готовые цвета", "Готові кольори", "預設顏色"},
    // CaptionCustomColour
    {"自定义颜色", "Custom colour", "Couleur personnalisée", "사용자 색상", "Eigene Farbe",
     "Colore personalizzato", "Color personalizado", "Eigen kleur", "Cor personalizada",
     "Свой цвет", "Власний колір", "自訂顏色"},
    // CaptionGame
    {"游戏", "Game", "Jeu", "게임", "Spiel", "Gioco", "Juego", "Spel", "Jogo", "Игра", "Гра",
     "遊戲"},
    // CaptionEvents
    {"按键列表", "Events", "Événements", "이벤트", "Ereignisse", "Eventi", "Eventos",
     "Gebeurtenissen", "Eventos", "События", "Події", "按鍵列表"},
    // CaptionLoopCount
    {"循环次数", "Loop count", "Répétitions", "반복 횟수", "Wiederholungen", "Ripetizioni",
     "Repeticiones", "Herhalingen", "Repetições", "Повторы", "Повтори", "循環次數"},
    // CaptionEventEditor
    {"编辑事件", "EVENT EDITOR", "ÉDITER L’ÉVÉNEMENT", "이벤트 편집", "EREIGNIS BEARBEITEN",
     "MODIFICA EVENTO", "EDITAR EVENTO", "GEBEURTENIS BEWERKEN", "EDITAR EVENTO",
     "ИЗМЕНИТЬ СОБЫТИЕ", "ЗМІНИТИ ПОДІЮ", "編輯事件"},
    // CaptionKey
    {"按键", "Key", "Touche", "키", "Taste", "Tasto", "Tecla", "Toets", "Tecla", "Клавиша",
     "Клавіша", "按鍵"},
    // CaptionDelay
    {"延时", "Delay", "Délai", "지연", "Pause", "Ritardo", "Retardo", "Pauze", "Atraso", "Задержка",
     "Затримка", "延時"},
    // CaptionStatistics
    {"统计数据", "Statistics", "Statistiques", "통계", "Statistik", "Statistiche", "Estadísticas",
     "Statistieken", "Estatísticas", "Статистика", "Статистика", "統計資料"},
    // CaptionClicks
    {"点击次数", "CLICKS", "CLICS", "클릭", "KLICKS", "CLIC", "CLICS", "KLIKKEN", "CLIQUES",
     "НАЖАТИЯ", "НАТИСКАННЯ", "點擊次數"},
    // CaptionLeft
    {"左键", "Left", "Gauche", "왼쪽", "Links", "Sinistro", "Izquierdo", "Links", "Esquerdo",
     "Левая", "Ліва", "左鍵"},
    // CaptionMiddle
    {"中键", "Middle", "Milieu", "가운데", "Mitte", "Centrale", "Central", "Midden", "Meio",
     "Средняя", "Середня", "中鍵"},
    // CaptionRight
    {"右键", "Right", "Droit", "오른쪽", "Rechts", "Destro", "Derecho", "Rechts", "Direito",
     "Правая", "Права", "右鍵"},
    // CaptionTotal
    {"合计", "Total", "Total", "합계", "Gesamt", "Totale", "Total", "Totaal", "Total", "Всего",
     "Усього", "合計"},
    // CaptionForward
    {"向前", "Forward", "Avant", "앞으로", "Vorwärts", "Avanti", "Adelante", "Vooruit", "Frente",
     "Вперёд", "Вперед", "向前"},
    // CaptionBackward
    {"向后", "Backward", "Arrière", "뒤로", "Rückwärts", "Indietro", "Atrás", "Achteruit", "Trás",
     "Назад", "Назад", "向後"},
    // CaptionDistance
    {"移动距离", "Distance", "Distance", "이동 거리", "Strecke", "Distanza", "Distancia", "Afstand",
     "Distância", "Путь", "Відстань", "移動距離"},
    // CaptionWheel
    {"滚轮", "WHEEL", "MOLETTE", "휠", "MAUSRAD", "ROTELLA", "RUEDA", "SCROLLWIEL", "RODA",
     "КОЛЕСО", "КОЛІЩАТКО", "滾輪"},
    // CaptionPointer
    {"指针", "POINTER", "POINTEUR", "포인터", "ZEIGER", "PUNTATORE", "PUNTERO", "AANWIJZER",
     "PONTEIRO", "УКАЗАТЕЛЬ", "ВКАЗІВНИК", "指標"},
    // CaptionTravelUnit
    {"万像素", "10k px", "10k px", "만 픽셀", "10k px", "10k px", "10k px", "10k px", "10k px",
     "10k px", "10k px", "萬像素"},
    // CaptionTrophyLevel
    {"奖杯等级", "Trophy level", "Niveau du trophée", "트로피 등급", "Pokalstufe", "Livello trofeo",
     "Nivel de trofeo", "Trofeeniveau", "Nível do troféu", "Уровень трофея", "Рівень трофея",
     "獎盃等級"},
    // CaptionAbout
    {"关于", "About", "À propos", "정보", "Info", "Informazioni", "Acerca de", "Over", "Sobre",
     "О программе", "Про програму", "關於"},
    // CaptionProduct
    {"Tarvo Z408 游戏鼠标", "Tarvo Z408 Gaming Mouse", "Souris gaming Tarvo Z408",
     "Tarvo Z408 게이밍 마우스", "Tarvo Z408 Gaming-Maus", "Mouse da gioco Tarvo Z408",
     "Ratón gaming Tarvo Z408", "Tarvo Z408 gamingmuis", "Rato gaming Tarvo Z408",
     "Игровая мышь Tarvo Z408", "Ігрова миша Tarvo Z408", "Tarvo Z408 遊戲滑鼠"},
    // CaptionDriverVersion
    {"驱动版本", "Driver version", "Version du pilote", "드라이버 버전", "Treiberversion",
     "Versione driver", "Versión del controlador", "Driverversie", "Versão do controlador",
     "Версия драйвера", "Версія драйвера", "驅動版本"},
    // CaptionFirmwareVersion
    {"固件版本", "Firmware version", "Version du firmware", "펌웨어 버전", "Firmwareversion",
     "Versione firmware", "Versión del firmware", "Firmwareversie", "Versão do firmware",
     "Версия прошивки", "Версія прошивки", "韌體版本"},
    // CaptionOnline
    {"在线服务", "Online", "En ligne", "온라인", "Online", "Online", "En línea", "Online", "Online",
     "Онлайн", "Онлайн", "線上服務"},
    // CaptionCheckFirmware
    {"检查鼠标固件更新", "Check the mouse firmware", "Vérifier le firmware de la souris",
     "마우스 펌웨어 확인", "Maus-Firmware prüfen", "Controlla il firmware del mouse",
     "Comprobar el firmware del ratón", "Muisfirmware controleren", "Verificar o firmware do rato",
     "Проверить прошивку мыши", "Перевірити прошивку миші", "檢查滑鼠韌體更新"},
    // CaptionVisitWebsite
    {"访问 Tarvo 网站", "Visit the Tarvo website", "Visiter le site Tarvo", "Tarvo 웹사이트 방문",
     "Tarvo-Website besuchen", "Visita il sito Tarvo", "Visitar el sitio de Tarvo",
     "Naar de Tarvo-website", "Visitar o site da Tarvo", "Перейти на сайт Tarvo",
     "Перейти на сайт Tarvo", "造訪 Tarvo 網站"},
    // CaptionProfileFile
    {"配置文件", "Profile file", "Fichier de profil", "프로필 파일", "Profildatei",
     "File del profilo", "Archivo de perfil", "Profielbestand", "Ficheiro de perfil",
     "Файл профиля", "Файл профілю", "設定檔"},
    // CaptionFactorySettings
    {"出厂设置", "Factory settings", "Réglages d’usine", "공장 설정", "Werkseinstellungen",
     "Impostazioni di fabbrica", "Ajustes de fábrica", "Fabrieksinstellingen",
     "Definições de fábrica", "Заводские настройки", "Заводські налаштування", "出廠設定"},
    // CaptionRestoreDefaults
    {"恢复默认设置", "Restore the defaults", "Rétablir les valeurs par défaut", "기본값으로 복원",
     "Standardwerte wiederherstellen", "Ripristina i valori predefiniti",
     "Restablecer los valores predeterminados", "Standaardwaarden herstellen",
     "Repor as predefinições", "Вернуть исходные настройки", "Повернути типові налаштування",
     "恢復預設設定"},
    // CaptionRunOnComputer
    {"由电脑执行的功能", "Run on this computer", "Exécuter sur cet ordinateur",
     "이 컴퓨터에서 실행", "Auf diesem Computer ausführen", "Esegui su questo computer",
     "Ejecutar en este equipo", "Op deze computer uitvoeren", "Executar neste computador",
     "Выполнить на этом компьютере", "Виконати на цьому комп’ютері", "由電腦執行的功能"},
    // CaptionModifiers
    {"组合键", "Modifiers", "Modificateurs", "보조 키", "Zusatztasten", "Modificatori",
     "Modificadores", "Speciale toetsen", "Modificadores", "Модификаторы", "Модифікатори",
     "組合鍵"},
    // CaptionPressAKey
    {"请在键盘上按下按键", "Press a key on the keyboard", "Appuyez sur une touche",
     "키보드에서 키를 누르세요", "Eine Taste drücken", "Premi un tasto", "Pulse una tecla",
     "Druk op een toets", "Prima uma tecla", "Нажмите клавишу", "Натисніть клавішу",
     "請在鍵盤上按下按鍵"},
    // CaptionTabSettings
    {"主设置", "Settings", "Réglages", "설정", "Einstellungen", "Impostazioni", "Ajustes",
     "Instellingen", "Definições", "Настройки", "Налаштування", "主設定"},
    // CaptionTabLighting
    {"灯光设置", "Lighting", "Éclairage", "조명", "Beleuchtung", "Illuminazione", "Iluminación",
     "Verlichting", "Iluminação", "Подсветка", "Підсвічування", "燈光設定"},
    // CaptionTabMacros
    {"宏管理", "Macros", "Macros", "매크로", "Makros", "Macro", "Macros", "Macro's", "Macros",
     "Макросы", "Макроси", "巨集管理"},
    // CaptionTabStatistics
    {"统计", "Statistics", "Statistiques", "통계", "Statistik", "Statistiche", "Estadísticas",
     "Statistieken", "Estatísticas", "Статистика", "Статистика", "統計"},
    // CaptionTabSupport
    {"支持", "Support", "Assistance", "지원", "Support", "Supporto", "Soporte", "Ondersteuning",
     "Suporte", "Поддержка", "Підтримка", "支援"},
    // CaptionProfile
    {"配置 %s", "Profile %s", "Profil %s", "프로필 %s", "Profil %s", "Profilo %s", "Perfil %s",
     "Profiel %s", "Perfil %s", "Профиль %s", "Профіль %s", "配置 %s"},
    // CaptionApply
    {"应用", "Apply", "Appliquer", "적용", "Übernehmen", "Applica", "Aplicar", "Toepassen",
     "Aplicar", "Применить", "Застосувати", "套用"},
    // CaptionLanguage
    {"语言", "Lang", "Lang.", "언어", "Spr.", "Ling.", "Idio.", "Taal", "Idio.", "Язык", "Мова",
     "語言"},
    // CaptionButtonForward
    {"前进键", "Forward", "Avant", "앞으로", "Vorwärts", "Avanti", "Adelante", "Vooruit", "Frente",
     "Вперёд", "Вперед", "前進鍵"},
    // CaptionButtonBack
    {"后退键", "Back", "Arrière", "뒤로", "Zurück", "Indietro", "Atrás", "Terug", "Trás", "Назад",
     "Назад", "後退鍵"},
    // CaptionWheelUp
    {"滚轮上", "Wheel up", "Molette haut", "휠 위로", "Rad hoch", "Rotella su", "Rueda arriba",
     "Wiel omhoog", "Roda cima", "Колесо вверх", "Колесо вгору", "滾輪上"},
    // CaptionWheelDown
    {"滚轮下", "Wheel down", "Molette bas", "휠 아래로", "Rad runter", "Rotella giù", "Rueda abajo",
     "Wiel omlaag", "Roda baixo", "Колесо вниз", "Колесо вниз", "滾輪下"},
    // CaptionUpdate
    {"检查更新", "Update", "Vérifier", "업데이트", "Prüfen", "Aggiorna", "Actualizar", "Bijwerken",
     "Atualizar", "Обновить", "Оновити", "檢查更新"},
    // CaptionWebsite
    {"官方网站", "Website", "Site web", "웹사이트", "Website", "Sito web", "Sitio web", "Website",
     "Site", "Сайт", "Сайт", "官方網站"},
    // CaptionImport
    {"导入", "Import", "Importer", "가져오기", "Importieren", "Importa", "Importar", "Importeren",
     "Importar", "Импорт", "Імпорт", "匯入"},
    // CaptionExport
    {"导出", "Export", "Exporter", "내보내기", "Exportieren", "Esporta", "Exportar", "Exporteren",
     "Exportar", "Экспорт", "Експорт", "匯出"},
    // CaptionRestore
    {"恢复", "Restore", "Rétablir", "복원", "Rücksetzen", "Ripristina", "Restablecer", "Herstellen",
     "Repor", "Сбросить", "Скинути", "恢復"},
    // FunctionScrollUp
    {"滚轮前滚", "Scroll up", "Défiler vers le haut", "위로 스크롤", "Nach oben scrollen",
     "Scorri su", "Desplazar arriba", "Omhoog scrollen", "Rolar para cima", "Прокрутка вверх",
     "Прокрутка вгору", "滾輪前滾"},
    // FunctionScrollDown
    {"滚轮后滚", "Scroll down", "Défiler vers le bas", "아래로 스크롤", "Nach unten scrollen",
     "Scorri giù", "Desplazar abajo", "Omlaag scrollen", "Rolar para baixo", "Прокрутка вниз",
     "Прокрутка вниз", "滾輪後滾"},
    // FunctionDisableKey
    {"禁用按键", "Disable key", "Désactiver la touche", "키 비활성화", "Taste sperren",
     "Disattiva tasto", "Desactivar tecla", "Toets uitschakelen", "Desativar tecla",
     "Отключить кнопку", "Вимкнути кнопку", "停用按鍵"},
    // CaptionRankRookie
    {"新手", "Rookie", "Débutant", "신병", "Neuling", "Recluta", "Novato", "Nieuweling", "Novato",
     "Новичок", "Новачок", "新手"},
    // CaptionRankApprentice
    {"学徒", "Apprentice", "Apprenti", "견습생", "Lehrling", "Apprendista", "Aprendiz", "Leerling",
     "Aprendiz", "Ученик", "Учень", "學徒"},
    // CaptionRankSkilled
    {"熟练", "Skilled", "Habile", "숙련자", "Geübter", "Abile", "Hábil", "Bedreven", "Hábil",
     "Умелый", "Вправний", "熟練"},
    // CaptionRankAdept
    {"精通", "Adept", "Adepte", "능숙자", "Könner", "Adepto", "Adepto", "Kundige", "Adepto",
     "Адепт", "Адепт", "精通"},
    // CaptionRankVeteran
    {"老兵", "Veteran", "Vétéran", "베테랑", "Veteran", "Veterano", "Veterano", "Veteraan",
     "Veterano", "Ветеран", "Ветеран", "老兵"},
    // CaptionRankExpert
    {"专家", "Expert", "Expert", "전문가", "Experte", "Esperto", "Experto", "Expert",
     "Especialista", "Эксперт", "Експерт", "專家"},
    // CaptionRankElite
    {"精英", "Elite", "Élite", "엘리트", "Elite", "Élite", "Élite", "Elite", "Elite", "Элита",
     "Еліта", "精英"},
    // CaptionRankMaster
    {"大师", "Master", "Maître", "마스터", "Meister", "Maestro", "Maestro", "Meester", "Mestre",
     "Мастер", "Майстер", "大師"},
    // CaptionRankGrandmaster
    {"宗师", "Grandmaster", "Grand maître", "그랜드마스터", "Großmeister", "Gran maestro",
     "Gran maestro", "Grootmeester", "Grão-mestre", "Гроссмейстер", "Гросмейстер", "宗師"},
    // CaptionRankChampion
    {"冠军", "Champion", "Champion", "챔피언", "Champion", "Campione", "Campeón", "Kampioen",
     "Campeão", "Чемпион", "Чемпіон", "冠軍"},
    // CaptionRankHero
    {"英雄", "Hero", "Héros", "영웅", "Held", "Eroe", "Héroe", "Held", "Herói", "Герой", "Герой",
     "英雄"},
    // CaptionRankLegend
    {"传奇", "Legend", "Légende", "전설", "Legende", "Leggenda", "Leyenda", "Legende", "Lenda",
     "Легенда", "Легенда", "傳奇"},
    // CaptionRankImmortal
    {"不朽", "Immortal", "Immortel", "불멸자", "Unsterblicher", "Immortale", "Inmortal",
     "Onsterfelijke", "Imortal", "Бессмертный", "Безсмертний", "不朽"},
    // CaptionTrophyLevelLine
    {"等级 %s / 13", "LEVEL %s / 13", "NIVEAU %s / 13", "등급 %s / 13", "STUFE %s / 13",
     "LIVELLO %s / 13", "NIVEL %s / 13", "NIVEAU %s / 13", "NÍVEL %s / 13", "УРОВЕНЬ %s / 13",
     "РІВЕНЬ %s / 13", "等級 %s / 13"},
    // RecordStart
    {"开始录制", "Start Record", "Enregistrer", "녹화 시작", "Aufnehmen", "Registra", "Grabar",
     "Opnemen", "Gravar", "Записать", "Записати", "開始錄製"},
    // RecordStop
    {"停止录制", "Stop Record", "Arrêter", "녹화 중지", "Stoppen", "Ferma", "Detener", "Stoppen",
     "Parar", "Стоп", "Стоп", "停止錄製"},
    // RecordBusyKey
    {"正在修改/插入一个键，无法录制", "It is Modifying or inserting a button,you can not record",
     "Une touche est en cours de modification ou d'insertion : enregistrement impossible.",
     "키를 수정하거나 삽입하는 중이라 녹화할 수 없습니다.",
     "Eine Taste wird gerade bearbeitet oder eingefügt; Aufnahme nicht möglich.",
     "È in corso la modifica o l'inserimento di un tasto: impossibile registrare.",
     "Se está modificando o insertando una tecla; no se puede grabar.",
     "Er wordt een toets bewerkt of ingevoegd; opnemen is niet mogelijk.",
     "Está a ser alterada ou inserida uma tecla; não é possível gravar.",
     "Изменяется или вставляется клавиша, запись невозможна.",
     "Змінюється або вставляється клавіша, запис неможливий.", "正在修改/插入一個鍵，無法錄製"},
    // RecordBusyDelay
    {"正在修改/插入一个延时，无法录制", "It is Modifying or inserting a delay,you can not record",
     "Un délai est en cours de modification ou d'insertion : enregistrement impossible.",
     "지연을 수정하거나 삽입하는 중이라 녹화할 수 없습니다.",
     "Eine Pause wird gerade bearbeitet oder eingefügt; Aufnahme nicht möglich.",
     "È in corso la modifica o l'inserimento di un ritardo: impossibile registrare.",
     "Se está modificando o insertando un retardo; no se puede grabar.",
     "Er wordt een pauze bewerkt of ingevoegd; opnemen is niet mogelijk.",
     "Está a ser alterado ou inserido um atraso; não é possível gravar.",
     "Изменяется или вставляется задержка, запись невозможна.",
     "Змінюється або вставляється затримка, запис неможливий.", "正在修改/插入一個延時，無法錄製"},
    // MacroInUse
    {"当前宏正在被使用，不能删除！", "The macro is being applied and cannot be deleted!",
     "Cette macro est attribuée à un bouton et ne peut pas être supprimée !",
     "이 매크로는 사용 중이므로 삭제할 수 없습니다!",
     "Das Makro ist einer Taste zugewiesen und kann nicht gelöscht werden!",
     "La macro è in uso e non può essere eliminata!",
     "La macro está en uso y no se puede eliminar.",
     "De macro is in gebruik en kan niet worden verwijderd!",
     "A macro está em uso e não pode ser eliminada!", "Макрос используется и не может быть удалён!",
     "Макрос використовується, його не можна видалити!", "目前巨集正在使用中，不能刪除！"},
    // InfoOk
    {"确定", "OK", "OK", "확인", "OK", "OK", "OK", "OK", "OK", "ОК", "ОК", "確定"},
    // InfoCancel
    {"取消", "Cancel", "Annuler", "취소", "Abbruch", "Annulla", "Cancelar", "Annuleer", "Cancelar",
     "Отмена", "Відміна", "取消"},
    // UpdateInProgress
    {"更新进行中，请稍候...", "Updating is in progress, please wait…",
     "Mise à jour en cours, veuillez patienter…", "업데이트 중입니다. 잠시 기다려 주십시오…",
     "Aktualisierung läuft, bitte warten…", "Aggiornamento in corso, attendere…",
     "Actualización en curso, espere…", "Bijwerken bezig, even geduld…",
     "Atualização em curso, aguarde…", "Идёт обновление, подождите…",
     "Триває оновлення, зачекайте…", "更新進行中，請稍候..."},
    // MouseFound
    {"发现Z408游戏鼠标.", "The Z408 gaming mouse is found.", "La souris de jeu Z408 a été trouvée.",
     "Z408 게이밍 마우스를 찾았습니다.", "Die Z408-Gaming-Maus wurde gefunden.",
     "Il mouse da gioco Z408 è stato trovato.", "Se ha encontrado el ratón para juegos Z408.",
     "De Z408-gamingmuis is gevonden.", "O rato para jogos Z408 foi encontrado.",
     "Игровая мышь Z408 найдена.", "Ігрову мишу Z408 знайдено.", "發現Z408遊戲滑鼠."},
    // MouseMissing
    {"没有找到Z408游戏鼠标.", "The Z408 gaming mouse cannot be found.",
     "La souris de jeu Z408 est introuvable.", "Z408 게이밍 마우스를 찾을 수 없습니다.",
     "Die Z408-Gaming-Maus wurde nicht gefunden.", "Il mouse da gioco Z408 non è stato trovato.",
     "No se encuentra el ratón para juegos Z408.", "De Z408-gamingmuis is niet gevonden.",
     "O rato para jogos Z408 não foi encontrado.", "Игровая мышь Z408 не найдена.",
     "Ігрову мишу Z408 не знайдено.", "沒有找到Z408遊戲滑鼠."},
    // RefusedLeftClick
    {"请保留至少一个键为\"单击\"功能!", "At least one button must be configured as 'Left click'!",
     "Au moins un bouton doit garder la fonction « Clic gauche » !",
     "최소 한 개의 버튼은 '왼쪽 클릭'으로 설정해야 합니다!",
     "Mindestens eine Taste muss „Linksklick“ behalten!",
     "Almeno un pulsante deve restare «Clic sinistro»!",
     "Al menos un botón debe tener la función «Clic izquierdo».",
     "Ten minste één knop moet 'Linkerklik' blijven!",
     "Pelo menos um botão tem de ficar como «Clique esquerdo»!",
     "Хотя бы одна кнопка должна остаться «Левой кнопкой»!",
     "Принаймні одна кнопка має лишитися «Лівою кнопкою»!", "請保留至少一個鍵為\"單擊\"功能!"},
    // RefusedSniper
    {"此按键不可使用狙击功能!", "This key can not use the sniper function!",
     "Ce bouton ne peut pas prendre la fonction Sniper !",
     "이 버튼에는 스나이퍼 기능을 쓸 수 없습니다!",
     "Diese Taste kann die Sniper-Funktion nicht nutzen!",
     "Questo pulsante non può usare la funzione Cecchino!",
     "Este botón no puede usar la función Francotirador.",
     "Deze knop kan de sniperfunctie niet gebruiken!", "Este botão não pode usar a função Sniper!",
     "Этой кнопке нельзя назначить функцию «Снайпер»!",
     "Цій кнопці не можна призначити функцію «Снайпер»!", "此按鍵不可使用狙擊功能!"},
    // PresetCustomize
    {"玩家自定义", "Customize", "Personnalisé", "사용자 정의", "Eigene Makros", "Personalizzato",
     "Personalizado", "Eigen macro's", "Personalizado", "Свои макросы", "Власні макроси",
     "玩家自訂"},
    // RestoreDefaultsAsk
    {"确定要恢复默认设置?", "Do you want to restore the default setting?",
     "Voulez-vous rétablir les paramètres par défaut ?", "기본 설정을 복원하시겠습니까?",
     "Die Standardeinstellungen wiederherstellen?", "Ripristinare le impostazioni predefinite?",
     "¿Desea restaurar la configuración predeterminada?", "Standaardinstellingen herstellen?",
     "Repor as predefinições?", "Восстановить настройки по умолчанию?",
     "Відновити типові налаштування?", "確定要還原預設設定?"},
    // ResetStatisticsAsk
    {"确定要重置奖杯和统计数据么？", "Do you want to reset trophy data ?",
     "Voulez-vous réinitialiser les trophées et les statistiques ?",
     "트로피와 통계를 초기화하시겠습니까?", "Trophäen und Statistik zurücksetzen?",
     "Azzerare trofei e statistiche?", "¿Desea restablecer los trofeos y las estadísticas?",
     "Trofeeën en statistieken wissen?", "Repor os troféus e as estatísticas?",
     "Сбросить трофеи и статистику?", "Скинути трофеї та статистику?",
     "確定要重設獎盃和統計資料嗎？"},
    // FirmwareNewVersion
    {"游戏鼠标固件有更新,是否更新到最新版本?",
     "A new version of firmware is available for the gaming mouse, whether to update or not?",
     "Un nouveau firmware est disponible pour la souris de jeu. Mettre à jour ?",
     "게이밍 마우스의 새 펌웨어가 있습니다. 업데이트하시겠습니까?",
     "Für die Gaming-Maus gibt es eine neue Firmware. Jetzt aktualisieren?",
     "È disponibile un nuovo firmware per il mouse da gioco. Aggiornare?",
     "Hay un firmware nuevo para el ratón para juegos. ¿Desea actualizarlo?",
     "Er is nieuwe firmware voor de gamingmuis. Nu bijwerken?",
     "Há um firmware novo para o rato para jogos. Atualizar?",
     "Доступна новая прошивка игровой мыши. Обновить?",
     "Доступна нова прошивка ігрової миші. Оновити?", "遊戲滑鼠韌體有更新,是否更新到最新版本?"},
    // FirmwareLatest
    {"固件已经是最新版本.", "Firmware is the latest version.", "Le firmware est à jour.",
     "펌웨어가 최신 버전입니다.", "Die Firmware ist auf dem neuesten Stand.",
     "Il firmware è aggiornato.", "El firmware está actualizado.", "De firmware is up-to-date.",
     "O firmware está atualizado.", "Установлена последняя версия прошивки.",
     "Встановлено останню версію прошивки.", "韌體已經是最新版本."},
    // FirmwareDownloadFailed
    {"新版本固件下载失败.", "New-version firmware download failed.",
     "Le téléchargement du nouveau firmware a échoué.", "새 펌웨어를 내려받지 못했습니다.",
     "Die neue Firmware konnte nicht heruntergeladen werden.",
     "Download del nuovo firmware non riuscito.", "No se pudo descargar el firmware nuevo.",
     "Downloaden van de nieuwe firmware is mislukt.",
     "Não foi possível transferir o firmware novo.", "Не удалось загрузить новую прошивку.",
     "Не вдалося завантажити нову прошивку.", "新版本韌體下載失敗."},
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
