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
