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
