<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Artwork</name>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>Quran reader and recitation player</source>
        <translation>Чтение Корана и проигрыватель чтецов</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Tilvora cannot start.

%1</source>
        <extracomment>%1 is the reason, in a paragraph of its own.</extracomment>
        <translation>Tilvora не удаётся запустить.

%1</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
</context>
<context>
    <name>LogicText</name>
    <message>
        <source>Media Files not found...</source>
        <translation>Аудиофайлы не найдены...</translation>
    </message>
    <message>
        <source>Media File %1 is not present at the specified path...
Current Path : %2

Please Specify a valid path for Media Files (using the Controls Menu) and use this Application !</source>
        <translation>Файла %1 нет в указанной папке...
Текущая папка: %2

Укажите существующую папку аудиофайлов (меню «Управление») и затем пользуйтесь программой.</translation>
    </message>
    <message>
        <source>Tilvora - ProgramID : </source>
        <translation>Tilvora — номер программы: </translation>
    </message>
    <message>
        <source>No Data found in the Database for Current Voice in Programs registered...

Invalid Programs / Speakers added to database without related Data !</source>
        <translation>В базе нет данных для выбранного чтеца среди зарегистрированных программ...

В базу добавлены программы или чтецы без данных!</translation>
    </message>
    <message>
        <source>Cannot Access the specified Media File
Make sure that the Media Files folder exists in the same application folder !</source>
        <translation>Нет доступа к указанному аудиофайлу
Убедитесь, что папка аудиофайлов есть в папке программы!</translation>
    </message>
    <message>
        <source>No recording of this verse</source>
        <translation>Нет записи этого аята</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; has no recording of %2.

Choose another voice in the control pane, or set the folder of this voice&apos;s recordings with Controls &gt; Set Data Path.</source>
        <translation>У чтеца «%1» нет записи %2.

Выберите другого чтеца в панели управления или укажите папку его записей: Управление &gt; Указать папку записей.</translation>
    </message>
    <message>
        <source>No verse was found for “%1”.</source>
        <translation>Для «%1» аяты не найдены.</translation>
    </message>
    <message>
        <source>No verse to show for this choice.</source>
        <translation>Для этого выбора нет аятов.</translation>
    </message>
    <message>
        <source>%1
Specified path is invalid and cannot be mapped properly...</source>
        <translation>%1
Указанная папка недоступна и не может быть открыта...</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Папки %1 не существует.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 — не папка.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened: permission denied.</source>
        <translation>Папку %1 нельзя открыть: доступ запрещён.</translation>
    </message>
    <message>
        <source>There is no verse %1:%2.</source>
        <translation>Аята %1:%2 не существует.</translation>
    </message>
    <message>
        <source>The range %1 to %2 ends before it starts.</source>
        <translation>Отрывок с %1 по %2 заканчивается раньше, чем начинается.</translation>
    </message>
    <message>
        <source>The request could not be carried out: the content database refused it.
%1</source>
        <translation>Запрос не выполнен: база содержимого его отклонила.
%1</translation>
    </message>
    <message>
        <source>The request could not be carried out: %1</source>
        <translation>Запрос не выполнен: %1</translation>
    </message>
    <message>
        <source>The verse has no start position in the current voice.</source>
        <translation>У аята нет начальной позиции в текущем голосе.</translation>
    </message>
    <message>
        <source>The start position &quot;%1&quot; of the verse is not a number of seconds.</source>
        <translation>Начальная позиция аята «%1» не является числом секунд.</translation>
    </message>
    <message>
        <source>An unknown failure stopped the recitation.</source>
        <translation>Неизвестная ошибка остановила чтение.</translation>
    </message>
    <message>
        <source>The recitation stopped for an unknown reason.</source>
        <translation>Чтение остановилось по неизвестной причине.</translation>
    </message>
    <message>
        <source>The speed must be a number from %1 to %2.</source>
        <translation>Скорость должна быть числом от %1 до %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the id of a voice.</source>
        <translation>«%1» — не идентификатор голоса.</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3, not &quot;%4&quot;.</source>
        <translation>%1: нужно целое число от %2 до %3, а не «%4».</translation>
    </message>
    <message>
        <source>The verse repeat count</source>
        <translation>Число повторов аята</translation>
    </message>
    <message>
        <source>The range repeat count</source>
        <translation>Число повторов отрывка</translation>
    </message>
    <message>
        <source>The gap in milliseconds</source>
        <translation>Пауза в миллисекундах</translation>
    </message>
    <message>
        <source>The first verse &quot;%1&quot; is not a verse reference such as 2:255.</source>
        <translation>Первый аят «%1» — не ссылка на аят вида 2:255.</translation>
    </message>
    <message>
        <source>The last verse &quot;%1&quot; is not a verse reference such as 2:255.</source>
        <translation>Последний аят «%1» — не ссылка на аят вида 2:255.</translation>
    </message>
    <message>
        <source>The repeat counts, the gap or the time to repeat are out of range.</source>
        <translation>Число повторов, пауза или время для повторения вне допустимых пределов.</translation>
    </message>
    <message>
        <source>This content database holds no mushaf pages.</source>
        <translation>В этой базе содержимого нет страниц мусхафа.</translation>
    </message>
    <message>
        <source>There is no page &quot;%1&quot; in the mushaf: its pages are numbered 1 to %2.</source>
        <translation>В мусхафе нет страницы «%1»: его страницы пронумерованы от 1 до %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a verse reference such as 2:255.</source>
        <translation>«%1» — не ссылка на аят вида 2:255.</translation>
    </message>
    <message>
        <source>There is no page %1 in the mushaf.</source>
        <translation>В мусхафе нет страницы %1.</translation>
    </message>
    <message>
        <source>The mushaf pages of this content database are not numbered 1 to %1.</source>
        <translation>Страницы мусхафа в этой базе содержимого не пронумерованы от 1 до %1.</translation>
    </message>
    <message>
        <source>The main window could not be prepared. %1</source>
        <translation>Не удалось подготовить главное окно. %1</translation>
    </message>
    <message>
        <source>The content database %1 was not found. Tilvora needs its content database DIC.DAT in the application folder %2.</source>
        <translation>База содержимого %1 не найдена. Tilvora нужна база содержимого DIC.DAT в папке программы %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a Tilvora content database (%2).</source>
        <translation>Файл %1 — не база содержимого Tilvora (%2).</translation>
    </message>
    <message>
        <source>The content database %1 cannot be opened: %2</source>
        <translation>Не удаётся открыть базу содержимого %1: %2</translation>
    </message>
    <message>
        <source>The content database %1 cannot be written (%2). Tilvora stores your choices in it; make sure no other program holds it and that it is writable, then start again.</source>
        <translation>Не удаётся записать в базу содержимого %1 (%2). Tilvora хранит в ней ваш выбор; убедитесь, что её не держит другая программа и что она доступна для записи, затем запустите снова.</translation>
    </message>
    <message>
        <source>The content database %1 lacks a table or column that Tilvora needs (%2).</source>
        <translation>В базе содержимого %1 нет нужной Tilvora таблицы или столбца (%2).</translation>
    </message>
    <message>
        <source>The content file %1 is damaged (%2), so Tilvora cannot read its texts. Reinstall Tilvora to get a whole copy of it. When Tilvora runs from your own folder, deleting %3 is enough: the next start copies it again.</source>
        <translation>Файл содержимого %1 повреждён (%2), поэтому Tilvora не может прочитать тексты. Переустановите Tilvora, чтобы получить целую копию. Если Tilvora работает из вашей собственной папки, достаточно удалить %3: при следующем запуске он будет скопирован заново.</translation>
    </message>
    <message>
        <source>The content file %1 is empty, so Tilvora has no texts to show. Reinstall Tilvora to get a whole copy of it. When Tilvora runs from your own folder, deleting %2 is enough: the next start copies it again.</source>
        <translation>Файл содержимого %1 пуст, поэтому Tilvora нечего показать. Переустановите Tilvora, чтобы получить целую копию. Если Tilvora работает из вашей собственной папки, достаточно удалить %2: при следующем запуске он будет скопирован заново.</translation>
    </message>
    <message>
        <source>The database file %1 does not exist.</source>
        <translation>Файла базы данных %1 не существует.</translation>
    </message>
    <message>
        <source>%1 is not a database file.</source>
        <translation>%1 — не файл базы данных.</translation>
    </message>
    <message>
        <source>The database file %1 cannot be opened: %2</source>
        <translation>Не удаётся открыть файл базы данных %1: %2</translation>
    </message>
    <message>
        <source>Your Tilvora folder %1 could not be brought up to date with the installed content, so Tilvora uses it as it was. %2</source>
        <translation>Вашу папку Tilvora %1 не удалось обновить установленным содержимым, поэтому Tilvora использует её как есть. %2</translation>
    </message>
    <message>
        <source>Tilvora could not make your own folder %1. %2</source>
        <translation>Tilvora не удалось создать вашу собственную папку %1. %2</translation>
    </message>
    <message>
        <source>The installed folder %1 holds no content database (DIC.DAT).</source>
        <translation>В установленной папке %1 нет базы содержимого (DIC.DAT).</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Не удаётся создать папку %1.</translation>
    </message>
    <message>
        <source>Another Tilvora is updating %1; it was waited for a minute.</source>
        <translation>Другая копия Tilvora обновляет %1; её ждали минуту.</translation>
    </message>
    <message>
        <source>A new folder beside %1 cannot be made: %2</source>
        <translation>Не удаётся создать новую папку рядом с %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>Не удаётся записать файл %1: %2</translation>
    </message>
    <message>
        <source>The link %1 to the installed recordings cannot be made: %2</source>
        <translation>Не удаётся создать ссылку %1 на установленные записи: %2</translation>
    </message>
    <message>
        <source>The voice folders of %1 cannot be carried into the new content: %2</source>
        <translation>Папки голосов из %1 не удаётся перенести в новое содержимое: %2</translation>
    </message>
    <message>
        <source>The new folder cannot take the place of %1: %2</source>
        <translation>Новая папка не может занять место %1: %2</translation>
    </message>
    <message>
        <source>There is no voice %1.</source>
        <translation>Голоса %1 не существует.</translation>
    </message>
    <message>
        <source>The voice %1 has no media folder.</source>
        <translation>У голоса %1 нет папки записей.</translation>
    </message>
    <message>
        <source>The folder %1 holds no recording of chapter %2 (%3 or %4).</source>
        <translation>В папке %1 нет записи суры %2 (%3 или %4).</translation>
    </message>
    <message>
        <source>There is no chapter %1.</source>
        <translation>Суры %1 не существует.</translation>
    </message>
    <message>
        <source>The voice %1 has recordings of its own for chapter %2 (files other than %3, for %4 of its verses); the starts found were not stored over them.</source>
        <translation>У голоса %1 есть собственные записи суры %2 (файлы, отличные от %3, для %4 её аятов); найденные начала не записаны поверх них.</translation>
    </message>
    <message>
        <source>No recitation found in %1: it holds only silence or steady noise.</source>
        <translation>В %1 не найдено чтения: в нём только тишина или ровный шум.</translation>
    </message>
    <message>
        <source>No recitation found in %1: it pauses %2 times, where a recitation of the chapter&apos;s %3 verses pauses at least %4 times (a reciter pauses at the end of most verses).</source>
        <translation>В %1 не найдено чтения: в нём %2 пауз, а в чтении %3 аятов суры их не меньше %4 (чтец делает паузу в конце большинства аятов).</translation>
    </message>
    <message>
        <source>The recording %1 cannot be read.</source>
        <translation>Не удаётся прочитать запись %1.</translation>
    </message>
    <message>
        <source>The audio decoder gst-launch-1.0 could not be started; it comes with the package gstreamer1.0-tools.</source>
        <translation>Не удалось запустить аудиодекодер gst-launch-1.0; он входит в пакет gstreamer1.0-tools.</translation>
    </message>
    <message>
        <source>The file %1 is not an audio file.</source>
        <translation>Файл %1 — не аудиофайл.</translation>
    </message>
    <message>
        <source>The recording %1 could not be decoded: %2</source>
        <translation>Не удалось декодировать запись %1: %2</translation>
    </message>
    <message>
        <source>The recording %1 holds no sound.</source>
        <translation>В записи %1 нет звука.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address to download from (it must start with http:// or https://).</source>
        <translation>«%1» — не веб-адрес для загрузки (он должен начинаться с http:// или https://).</translation>
    </message>
    <message>
        <source>The chapters to download must run from 1 to 114, first to last, not %1 to %2.</source>
        <translation>Загружаемые суры должны идти от 1 до 114, от первой к последней, а не от %1 до %2.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Не удалось создать папку %1.</translation>
    </message>
    <message>
        <source>no space left on the disk</source>
        <translation>на диске не осталось места</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>сервер ответил %1</translation>
    </message>
    <message>
        <source>the server sent a page (%1), not a recording</source>
        <translation>сервер прислал страницу (%1), а не запись</translation>
    </message>
    <message>
        <source>the server announced %1 bytes, more than the %2 a verse&apos;s recording may take</source>
        <translation>сервер сообщил о %1 байтах — больше %2, допустимых для записи аята</translation>
    </message>
    <message>
        <source>the server resumed the file at the wrong place</source>
        <translation>сервер продолжил файл не с того места</translation>
    </message>
    <message>
        <source>it is larger than the %1 a verse&apos;s recording may take</source>
        <translation>он больше %1, допустимых для записи аята</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>время ожидания истекло</translation>
    </message>
    <message>
        <source>the server refused to resume the file</source>
        <translation>сервер отказался продолжить файл</translation>
    </message>
    <message>
        <source>it arrived with %1 of %2 bytes</source>
        <translation>пришло %1 из %2 байт</translation>
    </message>
    <message>
        <source>the server sent the download to an address that is not http or https</source>
        <translation>сервер перенаправил загрузку на адрес не http и не https</translation>
    </message>
    <message>
        <source>the server sent the download elsewhere too many times</source>
        <translation>сервер слишком много раз перенаправил загрузку</translation>
    </message>
    <message>
        <source>the server stopped answering</source>
        <translation>сервер перестал отвечать</translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <translation>сервер недоступен</translation>
    </message>
    <message>
        <source>the server is too slow</source>
        <translation>сервер слишком медленный</translation>
    </message>
    <message>
        <source>it arrived cut short (its last audio frame is incomplete)</source>
        <translation>он пришёл обрезанным (последний аудиокадр неполон)</translation>
    </message>
    <message>
        <source>what arrived is not an MP3 recording</source>
        <translation>пришедшее — не запись MP3</translation>
    </message>
    <message>
        <source>it could not be put in place: %1</source>
        <translation>его не удалось поставить на место: %1</translation>
    </message>
    <message>
        <source>it is larger than the %1 MB a chapter may take</source>
        <translation>он больше %1 МБ, допустимых для суры</translation>
    </message>
    <message>
        <source>chapter %1: %2</source>
        <translation>сура %1: %2</translation>
    </message>
    <message>
        <source>the server sent a web page, not the text</source>
        <translation>сервер прислал веб-страницу, а не текст</translation>
    </message>
    <message>
        <source>what arrived is not the service&apos;s data</source>
        <translation>пришедшее — не данные сервиса</translation>
    </message>
    <message>
        <source>the service answered %1</source>
        <translation>сервис ответил %1</translation>
    </message>
    <message>
        <source>the service&apos;s answer holds no list of texts</source>
        <translation>в ответе сервиса нет списка текстов</translation>
    </message>
    <message>
        <source>the service sent chapter %1 instead</source>
        <translation>сервис прислал вместо неё суру %1</translation>
    </message>
    <message>
        <source>it has %1 verses, the chapter has %2</source>
        <translation>в нём %1 аятов, а в суре %2</translation>
    </message>
    <message>
        <source>its verse numbers are not 1 to %1, each once</source>
        <translation>номера его аятов не от 1 до %1, каждый по разу</translation>
    </message>
    <message>
        <source>verse %1 has no text</source>
        <translation>у аята %1 нет текста</translation>
    </message>
    <message>
        <source>the service did not answer in time</source>
        <translation>сервис не ответил вовремя</translation>
    </message>
    <message>
        <source>the service cannot be reached (%1)</source>
        <translation>сервис недоступен (%1)</translation>
    </message>
    <message>
        <source>Your data could not be written to %1: %2.</source>
        <translation>Не удалось записать ваши данные в %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Не удаётся прочитать файл %1: %2.</translation>
    </message>
    <message>
        <source>%1 is not a file of your Tilvora data (one written by File, Export my data). Nothing was changed.</source>
        <translation>%1 — не файл ваших данных Tilvora (такой пишет «Файл», «Экспорт моих данных»). Ничего не изменено.</translation>
    </message>
    <message>
        <source>%1 was written by a newer Tilvora, whose data this one cannot read. Nothing was changed.</source>
        <translation>%1 записан более новой версией Tilvora, данные которой эта версия прочитать не может. Ничего не изменено.</translation>
    </message>
    <message>
        <source>your own file %1 cannot be used</source>
        <translation>ваш собственный файл %1 нельзя использовать</translation>
    </message>
    <message>
        <source>your own file cannot be changed now</source>
        <translation>ваш собственный файл сейчас нельзя изменить</translation>
    </message>
    <message>
        <source>your own file could not be changed</source>
        <translation>не удалось изменить ваш собственный файл</translation>
    </message>
    <message>
        <source>%1 could not be imported: %2. Nothing was changed.</source>
        <translation>Не удалось импортировать %1: %2. Ничего не изменено.</translation>
    </message>
    <message>
        <source>What you learn and your notes cannot be kept: the file %1 cannot be used. They last until Tilvora closes.</source>
        <translation>Выученное и ваши заметки нельзя сохранить: файл %1 нельзя использовать. Они сохранятся до закрытия Tilvora.</translation>
    </message>
    <message>
        <source>Your bookmarks cannot be kept: the file %1 cannot be written. Bookmarks made now last until Tilvora closes.</source>
        <translation>Ваши закладки нельзя сохранить: не удаётся записать файл %1. Закладки, сделанные сейчас, сохранятся до закрытия Tilvora.</translation>
    </message>
    <message>
        <source>Your bookmarks file could not be read. It was set aside as %1, and Tilvora starts with no bookmarks.</source>
        <translation>Не удалось прочитать файл закладок. Он отложен как %1, и Tilvora запускается без закладок.</translation>
    </message>
    <message>
        <source>the text could not be stored: %1</source>
        <translation>не удалось сохранить текст: %1</translation>
    </message>
    <message>
        <source>the text could not be installed: %1</source>
        <translation>не удалось установить текст: %1</translation>
    </message>
</context>
<context>
    <name>PaneTexts</name>
    <message>
        <source>Search</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>Whole Quran</source>
        <translation>Весь Коран</translation>
    </message>
    <message>
        <source>Arabic without vowel marks, or words of a translation</source>
        <translation>Арабский без огласовок или слова перевода</translation>
    </message>
    <message>
        <source>Arabic is found without vowel marks; translations ignore letter case</source>
        <translation>Арабский ищется без огласовок; в переводах регистр букв не важен</translation>
    </message>
    <message>
        <source>Search every verse of every text; unticked, only the page shown is searched</source>
        <translation>Искать в каждом аяте каждого текста; без отметки — только на показанной странице</translation>
    </message>
    <message>
        <source>Chapter</source>
        <extracomment>The first entry of the list of chapters (surahs).</extracomment>
        <translation>Сура</translation>
    </message>
    <message>
        <source>Part</source>
        <extracomment>The first entry of the list of the thirty parts (juz).</extracomment>
        <translation>Джуз</translation>
    </message>
    <message>
        <source>Root (approx.)</source>
        <extracomment>The first entry of the list of roots, which are found automatically.</extracomment>
        <translation>Корень (прибл.)</translation>
    </message>
    <message>
        <source>Subject · موضوع</source>
        <extracomment>The first entry of the list of subjects, with the Arabic word.</extracomment>
        <translation>Тема · موضوع</translation>
    </message>
    <message>
        <source>كلمة · Word</source>
        <extracomment>The first entry of the list of words, with the Arabic word.</extracomment>
        <translation>كلمة · Слово</translation>
    </message>
    <message>
        <source>Show a chapter (surah)</source>
        <translation>Показать суру</translation>
    </message>
    <message>
        <source>Show a part (juz)</source>
        <translation>Показать джуз</translation>
    </message>
    <message>
        <source>Show the verses of a root (roots are found automatically and are approximate)</source>
        <translation>Показать аяты корня (корни найдены автоматически и приблизительны)</translation>
    </message>
    <message>
        <source>Show the verses of a subject</source>
        <translation>Показать аяты темы</translation>
    </message>
    <message>
        <source>Show the verses that hold a word (written without vowel marks)</source>
        <translation>Показать аяты, где есть слово (без огласовок)</translation>
    </message>
    <message>
        <source>Part %1</source>
        <translation>Джуз %1</translation>
    </message>
    <message>
        <source>Text in row %1</source>
        <extracomment>A screen reader&apos;s name of the list that chooses the text shown in a row of the reading pane; %1 is the row&apos;s number (1 to 4).</extracomment>
        <translation>Текст в ряду %1</translation>
    </message>
    <message>
        <source>Media folder of %1</source>
        <extracomment>A screen reader&apos;s name of the link beside a voice that sets the folder of its recordings; %1 is the voice&apos;s name.</extracomment>
        <translation>Папка записей: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 KB</source>
        <translation>%1 КБ</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 мин %2 с</translation>
    </message>
</context>
<context>
    <name>QtHost</name>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>  No verse
  shown</source>
        <extracomment>The label beside the search box: the view shows no verse.</extracomment>
        <translation>  Аяты
  не показаны</translation>
    </message>
    <message numerus="yes">
        <source>  %Ln verses
  shown</source>
        <extracomment>The label beside the search box: how many verses the view shows.</extracomment>
        <translation>
            <numerusform>  Показан
  %Ln аят</numerusform>
            <numerusform>  Показано
  %Ln аята</numerusform>
            <numerusform>  Показано
  %Ln аятов</numerusform>
        </translation>
    </message>
    <message>
        <source>  No verse
  found</source>
        <extracomment>The label beside the search box: a search found nothing.</extracomment>
        <translation>  Аяты
  не найдены</translation>
    </message>
    <message numerus="yes">
        <source>  %Ln verses
  found</source>
        <extracomment>The label beside the search box: how many verses a search found (all shown).</extracomment>
        <translation>
            <numerusform>  Найден
  %Ln аят</numerusform>
            <numerusform>  Найдено
  %Ln аята</numerusform>
            <numerusform>  Найдено
  %Ln аятов</numerusform>
        </translation>
    </message>
    <message>
        <source>  %1 found,
  %2 shown</source>
        <extracomment>The label beside the search box: verses found, and how many of them are shown.</extracomment>
        <translation>  Найдено: %1,
  показано: %2</translation>
    </message>
    <message>
        <source>Recitation ended. Left out, with no recording in “%1”: %2.</source>
        <extracomment>%1 is the voice, %2 the list of verses (chapter:verse) left out.</extracomment>
        <translation>Чтение окончено. Пропущены из-за отсутствия записи у «%1»: %2.</translation>
    </message>
    <message>
        <source>%1 has no recording in “%2”: left out, the recitation goes on.</source>
        <extracomment>%1 is a verse (chapter:verse), %2 the voice.</extracomment>
        <translation>Для %1 нет записи у «%2»: аят пропущен, чтение продолжается.</translation>
    </message>
</context>
<context>
    <name>UserSettings</name>
    <message>
        <source>Your settings cannot be kept: %1 is a folder, not a file. The choices you make now last until Tilvora closes.</source>
        <translation>Настройки не удаётся сохранить: %1 — папка, а не файл. Сделанный сейчас выбор действует до закрытия Tilvora.</translation>
    </message>
    <message>
        <source>Your settings cannot be kept: the file %1 cannot be written. The choices you make now last until Tilvora closes.</source>
        <translation>Настройки не удаётся сохранить: в файл %1 нельзя записать. Сделанный сейчас выбор действует до закрытия Tilvora.</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged and cannot be replaced; the settings it holds are not all used.</source>
        <translation>Файл настроек %1 повреждён и не может быть заменён; используются не все его настройки.</translation>
    </message>
    <message>
        <source>The settings file %1 was damaged. The settings that could be read are kept; the others are back to their usual values.</source>
        <translation>Файл настроек %1 был повреждён. Прочитанные настройки сохранены, остальные вернулись к обычным значениям.</translation>
    </message>
</context>
<context>
    <name>VerseMenu</name>
    <message>
        <source>Show in the &amp;mushaf</source>
        <translation>Показать в &amp;мусхафе</translation>
    </message>
    <message>
        <source>&amp;Bookmark this verse</source>
        <translation>&amp;Закладка на этот аят</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>Copy &amp;verse</source>
        <translation>Копировать &amp;аят</translation>
    </message>
    <message>
        <source>Copy &amp;reference</source>
        <translation>Копировать &amp;ссылку</translation>
    </message>
    <message>
        <source>Recite from &amp;here</source>
        <translation>Читать &amp;отсюда</translation>
    </message>
    <message>
        <source>Re&amp;peat this verse...</source>
        <translation>&amp;Повторять этот аят...</translation>
    </message>
    <message>
        <source>Repeat from here &amp;to...</source>
        <translation>Повторять отсюда &amp;до...</translation>
    </message>
    <message>
        <source>&amp;Note...</source>
        <translation>&amp;Заметка...</translation>
    </message>
    <message>
        <source>&amp;Listen and repeat from here...</source>
        <translation>&amp;Слушать и повторять отсюда...</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::AboutWindow</name>
    <message>
        <source>Quran reader and recitation player</source>
        <translation>Чтение Корана и проигрыватель чтецов</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Artwork and program by the Tilvora developers. Most translations are for non-commercial use only.</source>
        <translation>Оформление и программа — разработчики Tilvora. Большинство переводов — только для некоммерческого использования.</translation>
    </message>
    <message>
        <source>Tilvora shows the Quran with its translations and recites it.</source>
        <translation>Tilvora показывает Коран с переводами и читает его.</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ChapterAlignmentDialog</name>
    <message>
        <source>Replace Them</source>
        <translation>Заменить</translation>
    </message>
    <message>
        <source>Keep Them</source>
        <translation>Оставить</translation>
    </message>
    <message>
        <source>Verse starts in the chapter files</source>
        <extracomment>The title of the window that finds where each verse starts in recordings of whole chapters.</extracomment>
        <translation>Начала аятов в файлах сур</translation>
    </message>
    <message>
        <source>Verse starts in the chapter files - %1</source>
        <translation>Начала аятов в файлах сур — %1</translation>
    </message>
    <message>
        <source>Looking for the chapter files...</source>
        <translation>Поиск файлов сур...</translation>
    </message>
    <message>
        <source>Verses to check (their starts were found with low confidence):</source>
        <translation>Аяты для проверки (их начало найдено с низкой уверенностью):</translation>
    </message>
    <message>
        <source>Verse</source>
        <translation>Аят</translation>
    </message>
    <message>
        <source>Start (s)</source>
        <extracomment>A column heading: where the verse starts, in seconds.</extracomment>
        <translation>Начало (с)</translation>
    </message>
    <message>
        <source>Confidence</source>
        <translation>Уверенность</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>After a number of seconds.</extracomment>
        <translation> с</translation>
    </message>
    <message>
        <source>- 0.1 s</source>
        <extracomment>Moves the verse&apos;s start a tenth of a second earlier.</extracomment>
        <translation>- 0,1 с</translation>
    </message>
    <message>
        <source>+ 0.1 s</source>
        <extracomment>Moves the verse&apos;s start a tenth of a second later.</extracomment>
        <translation>+ 0,1 с</translation>
    </message>
    <message>
        <source>Play around it</source>
        <extracomment>Plays the recording from a little before the verse&apos;s start.</extracomment>
        <translation>Прослушать рядом</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Начало:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Остановка...</translation>
    </message>
    <message>
        <source>No chapter file was found (001.mp3 ... 114.mp3, or .wma). %1</source>
        <extracomment>%1 is the reason the first chapter file could not be used.</extracomment>
        <translation>Не найдено ни одного файла суры (001.mp3 ... 114.mp3 или .wma). %1</translation>
    </message>
    <message numerus="yes">
        <source>This voice already has recordings of its own for %n verses in the chapters %1 (a file per verse, say). Replace them with the starts found in the chapter files?

If you keep them, those chapters are left as they are.</source>
        <extracomment>%n is the number of verses; %1 the list of chapter numbers.</extracomment>
        <translation>
            <numerusform>У этого чтеца уже есть собственные записи %n аята в сурах %1 (например, файл на аят). Заменить их началами, найденными в файлах сур?

Если оставить, эти суры останутся как есть.</numerusform>
            <numerusform>У этого чтеца уже есть собственные записи %n аятов в сурах %1 (например, файл на аят). Заменить их началами, найденными в файлах сур?

Если оставить, эти суры останутся как есть.</numerusform>
            <numerusform>У этого чтеца уже есть собственные записи %n аятов в сурах %1 (например, файл на аят). Заменить их началами, найденными в файлах сур?

Если оставить, эти суры останутся как есть.</numerusform>
        </translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Сура %1</translation>
    </message>
    <message>
        <source>The voice&apos;s own recordings were kept.</source>
        <translation>Собственные записи чтеца сохранены.</translation>
    </message>
    <message>
        <source>Nothing was changed: the voice keeps its own recordings.</source>
        <translation>Ничего не изменено: чтец сохраняет свои записи.</translation>
    </message>
    <message numerus="yes">
        <source>Finding the verse starts of %n chapters...</source>
        <translation>
            <numerusform>Поиск начал аятов в %n суре...</numerusform>
            <numerusform>Поиск начал аятов в %n сурах...</numerusform>
            <numerusform>Поиск начал аятов в %n сурах...</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped: nothing was stored.</source>
        <translation>Остановлено: ничего не сохранено.</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: the starts of %1 of %n chapters are stored.</source>
        <translation>
            <numerusform>Остановлено: сохранены начала %1 из %n суры.</numerusform>
            <numerusform>Остановлено: сохранены начала %1 из %n сур.</numerusform>
            <numerusform>Остановлено: сохранены начала %1 из %n сур.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Done: the starts of %1 of %2 chapters are stored; %n verses to check.</source>
        <extracomment>%1 chapters stored out of %2; %n verses to check by ear.</extracomment>
        <translation>
            <numerusform>Готово: сохранены начала %1 из %2 сур; %n аят для проверки.</numerusform>
            <numerusform>Готово: сохранены начала %1 из %2 сур; %n аята для проверки.</numerusform>
            <numerusform>Готово: сохранены начала %1 из %2 сур; %n аятов для проверки.</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>The start could not be stored: %1</source>
        <extracomment>%1 is the reason.</extracomment>
        <translation>Не удалось сохранить начало: %1</translation>
    </message>
    <message>
        <source>Verse %1:%2 now starts at %3 s.</source>
        <extracomment>%1:%2 is the verse as chapter:verse, %3 a number of seconds.</extracomment>
        <translation>Аят %1:%2 теперь начинается с %3 с.</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ChoiceMemory</name>
    <message>
        <source>&amp;Remember My Texts and Voice</source>
        <extracomment>Whether the texts and the voice chosen in the control pane are chosen again at the next start.</extracomment>
        <translation>&amp;Запоминать мои тексты и чтеца</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ControlPaneFollower</name>
    <message>
        <source>— None —</source>
        <extracomment>The entry of a row&apos;s list of texts that empties the row.</extracomment>
        <translation>— Нет —</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::DownloadDialog</name>
    <message>
        <source>%1 KB</source>
        <extracomment>A size in kilobytes.</extracomment>
        <translation>%1 КБ</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>A size in megabytes.</extracomment>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>A time left: seconds.</extracomment>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <extracomment>A time left: minutes and seconds.</extracomment>
        <translation>%1 мин %2 с</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>A time left: hours and minutes.</extracomment>
        <translation>%1 ч %2 мин</translation>
    </message>
    <message>
        <source>Download recitation</source>
        <translation>Загрузить чтение</translation>
    </message>
    <message>
        <source>%1 (%2 kbps)</source>
        <extracomment>A reciter and the bit rate of the recordings.</extracomment>
        <translation>%1 (%2 кбит/с)</translation>
    </message>
    <message>
        <source>Another address...</source>
        <translation>Другой адрес...</translation>
    </message>
    <message>
        <source>SSSAAA.mp3 (chapter and verse)</source>
        <translation>SSSAAA.mp3 (сура и аят)</translation>
    </message>
    <message>
        <source>N.mp3 (verse number in the book)</source>
        <translation>N.mp3 (номер аята во всей Книге)</translation>
    </message>
    <message>
        <source>to</source>
        <translation>по</translation>
    </message>
    <message>
        <source>A voice without a folder gets one in your data folder.</source>
        <translation>Чтецу без папки будет создана папка в вашей папке данных.</translation>
    </message>
    <message>
        <source>Reciter:</source>
        <translation>Чтец:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Адрес:</translation>
    </message>
    <message>
        <source>File names:</source>
        <translation>Имена файлов:</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>Суры:</translation>
    </message>
    <message>
        <source>Voice to fill:</source>
        <translation>Какого чтеца заполнить:</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>No voice reads one file per verse (SSSAAA.mp3), so there is no voice to fill.</source>
        <translation>Нет чтеца с файлом на каждый аят (SSSAAA.mp3), заполнять некого.</translation>
    </message>
    <message>
        <source>Into %1</source>
        <translation>В %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3</source>
        <extracomment>%1 files done of %2, %3 the size received so far.</extracomment>
        <translation>%1 из %2 файлов, %3</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3, %4/s</source>
        <extracomment>%1 files done of %2, %3 the size received so far, %4 the size received per second.</extracomment>
        <translation>%1 из %2 файлов, %3, %4/с</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3, %4/s, about %5 left</source>
        <extracomment>As before, and %5 the time left, e.g. &quot;3 min 20 s&quot;.</extracomment>
        <translation>%1 из %2 файлов, %3, %4/с, осталось около %5</translation>
    </message>
    <message>
        <source>Cancelled. </source>
        <translation>Отменено. </translation>
    </message>
    <message>
        <source>The download stopped: %1. </source>
        <translation>Загрузка остановлена: %1. </translation>
    </message>
    <message>
        <source>%1 stored, %2 already there, %3 failed.</source>
        <extracomment>Files stored, files that were there already, files that failed.</extracomment>
        <translation>Сохранено: %1, уже были: %2, с ошибкой: %3.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::GstAudioPlayer</name>
    <message>
        <source>The recording %1 cannot be played: GStreamer&apos;s playbin is not installed.</source>
        <translation>Запись %1 не воспроизвести: компонент playbin из GStreamer не установлен.</translation>
    </message>
    <message>
        <source>The recording %1 could not be opened.</source>
        <translation>Не удалось открыть запись %1.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>неизвестная ошибка</translation>
    </message>
    <message>
        <source>The recording %1 could not be played: %2</source>
        <translation>Не удалось воспроизвести запись %1: %2</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <extracomment>The View menu&apos;s submenu that sets the language of the program&apos;s windows.</extracomment>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <source>System Default</source>
        <extracomment>The language of the system (the default), as opposed to one chosen here.</extracomment>
        <translation>Язык системы</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MainWindow</name>
    <message>
        <source> .:: Tilvora (version %1) ::.</source>
        <extracomment>The main window&apos;s title; %1 is the version, e.g. 2.08.09A.</extracomment>
        <translation> .:: Tilvora (версия %1) ::.</translation>
    </message>
    <message>
        <source>Drag to widen or narrow the control pane; double-click for the usual width</source>
        <translation>Перетащите, чтобы расширить или сузить панель управления; двойной щелчок — обычная ширина</translation>
    </message>
    <message>
        <source>Left and Right move it; Space gives the panes their usual widths</source>
        <translation>Стрелки влево и вправо сдвигают его; пробел возвращает панелям обычную ширину</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Управление</translation>
    </message>
    <message>
        <source>Go to the search box</source>
        <translation>Перейти к полю поиска</translation>
    </message>
    <message>
        <source>  Search Result(s):  </source>
        <extracomment>The label beside the search box before anything was shown.</extracomment>
        <translation>  Результаты поиска:  </translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>Controls menu</source>
        <translation>Меню управления</translation>
    </message>
    <message>
        <source>Pane divider</source>
        <extracomment>The strip between the reading pane and the control pane, which moves them apart when dragged.</extracomment>
        <translation>Разделитель панелей</translation>
    </message>
    <message>
        <source>&amp;Controls</source>
        <extracomment>The menu of the control pane (the pane where the texts and the voice are chosen).</extracomment>
        <translation>&amp;Управление</translation>
    </message>
    <message>
        <source>&amp;Hide/Un-Hide Pane</source>
        <extracomment>Hides the control pane, or shows it again.</extracomment>
        <translation>&amp;Скрыть/показать панель</translation>
    </message>
    <message>
        <source>Set Data &amp;Path</source>
        <extracomment>The submenu that sets the folder where a voice&apos;s recordings are.</extracomment>
        <translation>Указать &amp;папку записей</translation>
    </message>
    <message>
        <source>Voice %1</source>
        <translation>Чтец %1</translation>
    </message>
    <message>
        <source>&amp;Download recitation...</source>
        <translation>&amp;Загрузить чтение...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>An unexpected failure stopped the request.</source>
        <translation>Непредвиденная ошибка прервала запрос.</translation>
    </message>
    <message>
        <source>Download &amp;texts...</source>
        <translation>Загрузить &amp;тексты...</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MediaFolderDialog</name>
    <message>
        <source>Specify / Select a valid Path...</source>
        <extracomment>The title of the dialog that sets the folder of a voice&apos;s recordings.</extracomment>
        <translation>Укажите / выберите существующую папку...</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>%1 is the dialog&apos;s title, %2 the voice.</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Please browse the path of the Media Files Folder :</source>
        <translation>Выберите папку с аудиофайлами:</translation>
    </message>
    <message>
        <source>Mounted volumes</source>
        <translation>Подключённые тома</translation>
    </message>
    <message>
        <source>This folder holds one file per chapter</source>
        <translation>В этой папке по одному файлу на суру</translation>
    </message>
    <message>
        <source>Find where each verse starts in the chapter files (001.mp3 ... 114.mp3)</source>
        <translation>Найти начало каждого аята в файлах сур (001.mp3 ... 114.mp3)</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Mapping Path exception...</source>
        <extracomment>The title of the message that the voice&apos;s stored folder cannot be opened.</extracomment>
        <translation>Папка не найдена...</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MemoriseDesk</name>
    <message>
        <source>&amp;Memorise</source>
        <translation>&amp;Заучивание</translation>
    </message>
    <message>
        <source>&amp;Learn this page / verse range / chapter...</source>
        <translation>&amp;Выучить эту страницу / аяты / суру...</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;review</source>
        <translation>&amp;Повторение на сегодня</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Успехи</translation>
    </message>
    <message>
        <source>&amp;Forget...</source>
        <translation>&amp;Забыть...</translation>
    </message>
    <message>
        <source>Daily &amp;limit...</source>
        <translation>Дневной &amp;лимит...</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;review (%1)</source>
        <extracomment>%1 is how many pages are due today.</extracomment>
        <translation>&amp;Повторение на сегодня (%1)</translation>
    </message>
    <message>
        <source>&amp;Export my data...</source>
        <translation>&amp;Экспорт моих данных...</translation>
    </message>
    <message>
        <source>&amp;Import my data...</source>
        <translation>&amp;Импорт моих данных...</translation>
    </message>
    <message>
        <source>&amp;Notes...</source>
        <translation>&amp;Заметки...</translation>
    </message>
    <message>
        <source>Memorise</source>
        <translation>Заучивание</translation>
    </message>
    <message>
        <source>Nothing is due for review today. Take up a page with Memorise, Learn.</source>
        <translation>Сегодня повторять нечего. Возьмите страницу через Заучивание, Выучить.</translation>
    </message>
    <message>
        <source>The grade of page %1 could not be stored in your file.</source>
        <translation>Оценку страницы %1 не удалось сохранить в вашем файле.</translation>
    </message>
    <message>
        <source>The verses to learn could not be stored in your file.</source>
        <translation>Аяты для заучивания не удалось сохранить в вашем файле.</translation>
    </message>
    <message>
        <source>The verses could not be taken out: your file could not be changed.</source>
        <translation>Аяты не удалось убрать: ваш файл не удалось изменить.</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Забыть</translation>
    </message>
    <message>
        <source>Learn</source>
        <translation>Выучить</translation>
    </message>
    <message>
        <source>&amp;Forget</source>
        <translation>&amp;Забыть</translation>
    </message>
    <message>
        <source>&amp;Learn</source>
        <translation>&amp;Выучить</translation>
    </message>
    <message>
        <source>You are learning %1 now; it is due for review today.</source>
        <translation>Теперь вы учите %1; повторение — сегодня.</translation>
    </message>
    <message>
        <source>Take %1 out of what you are learning? Its review schedule goes; the history of its reviews stays.</source>
        <translation>Убрать %1 из того, что вы учите? Его расписание повторений исчезнет; история повторений останется.</translation>
    </message>
    <message>
        <source>%1 is taken out of what you are learning.</source>
        <translation>%1 убрано из того, что вы учите.</translation>
    </message>
    <message>
        <source>Daily limit</source>
        <translation>Дневной лимит</translation>
    </message>
    <message>
        <source>Pages to review a day at most (1 to %1):</source>
        <translation>Страниц для повторения в день, не больше (1–%1):</translation>
    </message>
    <message>
        <source>The daily limit could not be stored in your file.</source>
        <translation>Дневной лимит не удалось сохранить в вашем файле.</translation>
    </message>
    <message>
        <source>The note could not be stored in your file.</source>
        <translation>Заметку не удалось сохранить в вашем файле.</translation>
    </message>
    <message>
        <source>Your data is written to %1: %2 bookmarks, %3 notes, %4 verses being learnt.</source>
        <extracomment>After the export: how many of each were written.</extracomment>
        <translation>Ваши данные записаны в %1: закладок %2, заметок %3, заучиваемых аятов %4.</translation>
    </message>
    <message>
        <source>Taken in from %1: %2 bookmarks, %3 notes, %4 verses being learnt, joined with yours; nothing of yours was lost.</source>
        <translation>Взято из %1: закладок %2, заметок %3, заучиваемых аятов %4, объединено с вашими; ничего вашего не потеряно.</translation>
    </message>
    <message>
        <source>Export my data</source>
        <translation>Экспорт моих данных</translation>
    </message>
    <message>
        <source>Tilvora data (*.json)</source>
        <translation>Данные Tilvora (*.json)</translation>
    </message>
    <message>
        <source>Import my data</source>
        <translation>Импорт моих данных</translation>
    </message>
    <message>
        <source>Tilvora data (*.json);;All files (*)</source>
        <translation>Данные Tilvora (*.json);;Все файлы (*)</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MushafMode</name>
    <message>
        <source>&amp;Mushaf pages</source>
        <extracomment>The reading pane&apos;s second mode: the pages of a printed copy of the Quran.</extracomment>
        <translation>Страницы &amp;мусхафа</translation>
    </message>
    <message>
        <source>&amp;Go to page...</source>
        <translation>&amp;Перейти к странице...</translation>
    </message>
    <message>
        <source>&amp;Hide the text</source>
        <extracomment>Hides the text of the mushaf&apos;s page, for reciting from memory.</extracomment>
        <translation>&amp;Скрыть текст</translation>
    </message>
    <message>
        <source>&amp;Reveal</source>
        <extracomment>Shows hidden text of the mushaf&apos;s page again, step by step.</extracomment>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>Next &amp;word</source>
        <translation>Следующее &amp;слово</translation>
    </message>
    <message>
        <source>Rest of the &amp;line</source>
        <translation>Остаток &amp;строки</translation>
    </message>
    <message>
        <source>Rest of the &amp;verse</source>
        <translation>Остаток &amp;аята</translation>
    </message>
    <message>
        <source>&amp;Everything</source>
        <translation>&amp;Всё</translation>
    </message>
    <message>
        <source>&amp;Hide the last word again</source>
        <translation>Снова с&amp;крыть последнее слово</translation>
    </message>
    <message>
        <source>Mushaf pages</source>
        <translation>Страницы мусхафа</translation>
    </message>
    <message>
        <source>Go to page</source>
        <translation>Перейти к странице</translation>
    </message>
    <message>
        <source>Page of the mushaf (1 to %1):</source>
        <extracomment>%1 is the number of the mushaf&apos;s last page.</extracomment>
        <translation>Страница мусхафа (1–%1):</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::NoteDialog</name>
    <message>
        <source>Note on %1</source>
        <extracomment>%1 names the verse, as Al-Baqarah 2:255.</extracomment>
        <translation>Заметка к %1</translation>
    </message>
    <message>
        <source>Your note</source>
        <translation>Ваша заметка</translation>
    </message>
    <message>
        <source>Saved as you typed it. An empty note is removed.</source>
        <translation>Сохраняется так, как вы её набрали. Пустая заметка удаляется.</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::NotesDialog</name>
    <message>
        <source>Your notes</source>
        <translation>Ваши заметки</translation>
    </message>
    <message>
        <source>Search in your notes</source>
        <translation>Поиск в ваших заметках</translation>
    </message>
    <message>
        <source>Verse</source>
        <translation>Аят</translation>
    </message>
    <message>
        <source>First line</source>
        <translation>Первая строка</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Изменена</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Изменить...</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Поиск:</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::PlayerStrip</name>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Выключить звук</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <source>Previous verse</source>
        <translation>Предыдущий аят</translation>
    </message>
    <message>
        <source>Next verse</source>
        <translation>Следующий аят</translation>
    </message>
    <message>
        <source>Repeat: how often each verse and the whole range are recited, and the pause between</source>
        <translation>Повтор: сколько раз читается каждый аят и весь отрывок, и пауза между ними</translation>
    </message>
    <message>
        <source> times</source>
        <extracomment>After a spin box&apos;s number: how often a verse or a range is recited.</extracomment>
        <translation> раз</translation>
    </message>
    <message>
        <source>until stopped</source>
        <translation>до остановки</translation>
    </message>
    <message>
        <source> ms</source>
        <extracomment>After a spin box&apos;s number: milliseconds.</extracomment>
        <translation> мс</translation>
    </message>
    <message>
        <source>Each verse:</source>
        <translation>Каждый аят:</translation>
    </message>
    <message>
        <source>The whole range:</source>
        <translation>Весь отрывок:</translation>
    </message>
    <message>
        <source>Pause between:</source>
        <translation>Пауза между:</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>%1×</source>
        <extracomment>A playback speed, e.g. 1.5×.</extracomment>
        <translation>%1×</translation>
    </message>
    <message>
        <source>%1× / %2 ▾</source>
        <extracomment>The repeat button&apos;s counts: each verse %1 times, the range %2 times (∞: until stopped).</extracomment>
        <translation>%1× / %2 ▾</translation>
    </message>
    <message>
        <source>Repeat %1</source>
        <extracomment>The repeat button&apos;s caption; %1 are its counts.</extracomment>
        <translation>Повтор %1</translation>
    </message>
    <message>
        <source>Repeat: each verse %1 times, the range until stopped</source>
        <translation>Повтор: каждый аят %1 раз, отрывок до остановки</translation>
    </message>
    <message>
        <source>Repeat: each verse %1 times, the range %2 times</source>
        <translation>Повтор: каждый аят %1 раз, отрывок %2 раз</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>error</source>
        <translation>ошибка</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Включить звук</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ProgressDialog</name>
    <message>
        <source>Progress</source>
        <translation>Успехи</translation>
    </message>
    <message>
        <source>Verses learnt: %1 (and %2 being learnt).
Pages learnt whole: %3.
Days in a row with a review: %4.</source>
        <translation>Выучено аятов: %1 (и ещё %2 в заучивании).
Страниц выучено целиком: %3.
Дней подряд с повторением: %4.</translation>
    </message>
    <message>
        <source>Share of each part taken up, and pages due on each of the next 14 days</source>
        <translation>Доля каждого джуза в заучивании и страницы к повторению на каждый из следующих 14 дней</translation>
    </message>
    <message>
        <source>Each part: the share of its verses you are learning</source>
        <translation>Каждый джуз: доля его аятов, которые вы учите</translation>
    </message>
    <message>
        <source>Pages due on each of the next 14 days</source>
        <translation>Страницы к повторению на каждый из следующих 14 дней</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::RangeDialog</name>
    <message>
        <source>A page of the mushaf</source>
        <translation>Страница мусхафа</translation>
    </message>
    <message>
        <source>A range of verses</source>
        <translation>Ряд аятов</translation>
    </message>
    <message>
        <source>A chapter</source>
        <translation>Сура</translation>
    </message>
    <message>
        <source>A part (juz)</source>
        <translation>Джуз</translation>
    </message>
    <message>
        <source>chapter:verse</source>
        <extracomment>A verse is written chapter:verse, as 2:255.</extracomment>
        <translation>сура:аят</translation>
    </message>
    <message>
        <source>&amp;What:</source>
        <translation>&amp;Что:</translation>
    </message>
    <message>
        <source>&amp;Number:</source>
        <translation>&amp;Номер:</translation>
    </message>
    <message>
        <source>&amp;From verse:</source>
        <translation>&amp;С аята:</translation>
    </message>
    <message>
        <source>&amp;To verse:</source>
        <translation>&amp;По аят:</translation>
    </message>
    <message>
        <source>page %1</source>
        <translation>страницу %1</translation>
    </message>
    <message>
        <source>chapter %1</source>
        <translation>суру %1</translation>
    </message>
    <message>
        <source>part %1</source>
        <translation>джуз %1</translation>
    </message>
    <message>
        <source>the verses %1 to %2</source>
        <translation>аяты с %1 по %2</translation>
    </message>
    <message>
        <source>No verse begins on this page.</source>
        <translation>На этой странице не начинается ни один аят.</translation>
    </message>
    <message>
        <source>The verses run from %1 to a later verse.</source>
        <translation>Аяты идут от %1 к более позднему аяту.</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ReadingComfort</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Тема</translation>
    </message>
    <message>
        <source>Arabic &amp;Font</source>
        <translation>&amp;Арабский шрифт</translation>
    </message>
    <message>
        <source>As the Text Defines</source>
        <extracomment>The Arabic font the text&apos;s own program names.</extracomment>
        <translation>Как задано в тексте</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Увеличить</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>У&amp;меньшить</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Обычный размер</translation>
    </message>
    <message>
        <source>&amp;Next Match</source>
        <translation>&amp;Следующее совпадение</translation>
    </message>
    <message>
        <source>&amp;Previous Match</source>
        <translation>&amp;Предыдущее совпадение</translation>
    </message>
    <message>
        <source>&amp;Bookmarks</source>
        <translation>&amp;Закладки</translation>
    </message>
    <message>
        <source>&amp;Bookmark the Verse at the Top</source>
        <translation>&amp;Закладка на верхний аят</translation>
    </message>
    <message>
        <source>&amp;Remove Bookmark</source>
        <translation>&amp;Удалить закладку</translation>
    </message>
    <message>
        <source>The bookmark of %1 was not removed: %2.</source>
        <translation>Закладка %1 не удалена: %2.</translation>
    </message>
    <message>
        <source>Your bookmark of %1 was not stored: %2.</source>
        <extracomment>%1 is a verse as chapter:verse, %2 the reason.</extracomment>
        <translation>Ваша закладка %1 не сохранена: %2.</translation>
    </message>
    <message>
        <source>Sepia</source>
        <extracomment>A colour theme: brown text on a cream page.</extracomment>
        <translation>Сепия</translation>
    </message>
    <message>
        <source>Dark</source>
        <extracomment>A colour theme: light text on a dark page.</extracomment>
        <translation>Тёмная</translation>
    </message>
    <message>
        <source>Light</source>
        <extracomment>A colour theme: the pages&apos; own colours.</extracomment>
        <translation>Светлая</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>There is no verse to bookmark here.</source>
        <translation>Здесь нет аята для закладки.</translation>
    </message>
    <message>
        <source>Bookmarked %1 (Bookmarks menu).</source>
        <extracomment>%1 is the verse, e.g. &quot;Al-Fatihah 1:2&quot;.</extracomment>
        <translation>Закладка на %1 добавлена (меню «Закладки»).</translation>
    </message>
    <message>
        <source>%1 is bookmarked already.</source>
        <translation>На %1 уже есть закладка.</translation>
    </message>
    <message>
        <source>The place where you stopped reading (%1) was not stored: %2.</source>
        <extracomment>%1 is a verse as chapter:verse, %2 the reason.</extracomment>
        <translation>Место, где вы остановились (%1), не сохранено: %2.</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Сура %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A chapter&apos;s heading: %1 its number, %2 its name.</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::RepeatDialog</name>
    <message>
        <source>Repeat from %1 to...</source>
        <translation>Повторять с %1 до...</translation>
    </message>
    <message>
        <source>Repeat verse %1</source>
        <translation>Повторять аят %1</translation>
    </message>
    <message>
        <source>chapter:verse, e.g. 2:5</source>
        <translation>сура:аят, например 2:5</translation>
    </message>
    <message>
        <source>From %1 to verse:</source>
        <translation>С %1 до аята:</translation>
    </message>
    <message>
        <source> times</source>
        <translation> раз</translation>
    </message>
    <message>
        <source>until stopped</source>
        <translation>до остановки</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> мс</translation>
    </message>
    <message>
        <source>Each verse:</source>
        <translation>Каждый аят:</translation>
    </message>
    <message>
        <source>The verse:</source>
        <translation>Аят:</translation>
    </message>
    <message>
        <source>The whole range:</source>
        <translation>Весь отрывок:</translation>
    </message>
    <message>
        <source>Pause between:</source>
        <translation>Пауза между:</translation>
    </message>
    <message>
        <source>Recite</source>
        <translation>Читать</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>As long as the verse took, times %1</source>
        <extracomment>Listen and repeat: wait this many times as long as the verse took.</extracomment>
        <translation>Столько, сколько длился аят, умноженное на %1</translation>
    </message>
    <message>
        <source>Time to say each verse back:</source>
        <translation>Время, чтобы повторить каждый аят:</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ReviewWindow</name>
    <message>
        <source>Today&apos;s review</source>
        <translation>Повторение на сегодня</translation>
    </message>
    <message>
        <source>Recite the page from memory, then reveal it and grade how well you knew it.</source>
        <translation>Прочитайте страницу по памяти, затем откройте её и оцените, насколько хорошо вы её знали.</translation>
    </message>
    <message>
        <source>Next word</source>
        <translation>Следующее слово</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Пробел</translation>
    </message>
    <message>
        <source>Rest of the line</source>
        <translation>Остаток строки</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Everything</source>
        <translation>Всё</translation>
    </message>
    <message>
        <source>Ctrl+Enter</source>
        <translation>Ctrl+Enter</translation>
    </message>
    <message>
        <source>Hide a word again</source>
        <translation>Снова скрыть слово</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Снова</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Трудно</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Хорошо</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Легко</translation>
    </message>
    <message>
        <source>Listen to the page</source>
        <translation>Прослушать страницу</translation>
    </message>
    <message>
        <source>How well did you know it?</source>
        <translation>Насколько хорошо вы её знали?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A button&apos;s text and, in brackets, the key that presses it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Page %1 (%2 of %3)</source>
        <translation>Страница %1 (%2 из %3)</translation>
    </message>
    <message>
        <source>Nothing is due for review today.</source>
        <translation>Сегодня повторять нечего.</translation>
    </message>
    <message>
        <source>Review done. Pages graded: %1.</source>
        <translation>Повторение окончено. Оценено страниц: %1.</translation>
    </message>
    <message>
        <source>Again %1, hard %2, good %3, easy %4.</source>
        <translation>Снова %1, трудно %2, хорошо %3, легко %4.</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::SplashWindow</name>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>Progress Indicator</source>
        <translation>Индикатор загрузки</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>Загрузка, подождите...</translation>
    </message>
    <message>
        <source>Quran text: tanzil.net</source>
        <translation>Текст Корана: tanzil.net</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <extracomment>%1 is the version, e.g. 2.08.09A.</extracomment>
        <translation>Версия: %1</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::TextDownloadDialog</name>
    <message>
        <source>Download texts</source>
        <translation>Загрузить тексты</translation>
    </message>
    <message>
        <source>&amp;Fetch list</source>
        <translation>&amp;Получить список</translation>
    </message>
    <message>
        <source>Translations and commentaries</source>
        <translation>Переводы и тафсиры</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Переводы</translation>
    </message>
    <message>
        <source>Commentaries</source>
        <translation>Тафсиры</translation>
    </message>
    <message>
        <source>Service address:</source>
        <translation>Адрес службы:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Показать:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Texts to download</source>
        <translation>Тексты для загрузки</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Загрузить</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Fetching the list of texts from %1...</source>
        <translation>Получение списка текстов с %1...</translation>
    </message>
    <message numerus="yes">
        <source>%n text(s) offered by the service.</source>
        <translation>
            <numerusform>Служба предлагает %n текст.</numerusform>
            <numerusform>Служба предлагает %n текста.</numerusform>
            <numerusform>Служба предлагает %n текстов.</numerusform>
        </translation>
    </message>
    <message>
        <source>The list of texts could not be fetched: %1. Shown instead: texts Tilvora knows by name, which download from the address above when it answers.</source>
        <translation>Не удалось получить список текстов: %1. Вместо него показаны тексты, которые Tilvora знает по имени; они загружаются с адреса выше, когда он отвечает.</translation>
    </message>
    <message>
        <source>All languages</source>
        <translation>Все языки</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Установлен</translation>
    </message>
    <message>
        <source>Known by name</source>
        <translation>Известен по имени</translation>
    </message>
    <message>
        <source>Installed, known by name</source>
        <translation>Установлен, известен по имени</translation>
    </message>
    <message>
        <source>Commentary</source>
        <translation>Тафсир</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Перевод</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Загрузка %1...</translation>
    </message>
    <message>
        <source>%1 could not be removed: %2</source>
        <translation>Не удалось удалить %1: %2</translation>
    </message>
    <message>
        <source>%1 was removed.</source>
        <translation>%1 удалён.</translation>
    </message>
    <message>
        <source>%1 of %2 chapters, %3</source>
        <translation>%1 из %2 сур, %3</translation>
    </message>
    <message>
        <source>Installed, %1 verses (%2). Choose it in a row of the control pane.</source>
        <translation>Установлен, аятов: %1 (%2). Выберите его в одной из строк панели управления.</translation>
    </message>
    <message>
        <source>Cancelled. The chapters fetched are kept; Download goes on from there.</source>
        <translation>Отменено. Полученные суры сохранены; «Загрузить» продолжит с них.</translation>
    </message>
    <message>
        <source>Not installed: chapters %1 failed. Download again to fetch only what is missing.</source>
        <translation>Не установлен: суры %1 не получены. Загрузите снова, чтобы получить только недостающее.</translation>
    </message>
    <message>
        <source>Not installed. Download again to fetch only what is missing.</source>
        <translation>Не установлен. Загрузите снова, чтобы получить только недостающее.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>%1 of %2 chapters, %3, about %4 left</source>
        <translation>%1 из %2 сур, %3, осталось около %4</translation>
    </message>
    <message>
        <source>The download stopped: %1.</source>
        <translation>Загрузка остановилась: %1.</translation>
    </message>
</context>
</TS>
