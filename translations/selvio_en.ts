<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Selvio</source>
        <translation>About Selvio</translation>
    </message>
    <message>
        <source>Программа для подбора регуляторов температры, расхода и перепада давления. Версия 1.2</source>
        <translation>Sizing of temperature, flow and differential pressure controllers. Version 1.2</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AccessibleNames</name>
    <message>
        <source>единица измерения</source>
        <translation>unit</translation>
    </message>
    <message>
        <source>значение</source>
        <translation>value</translation>
    </message>
    <message>
        <source>значения</source>
        <translation>values</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>selected</translation>
    </message>
    <message>
        <source>не выбран</source>
        <translation>not selected</translation>
    </message>
    <message>
        <source>выбран, недоступен</source>
        <translation>selected, unavailable</translation>
    </message>
    <message>
        <source>не выбран, недоступен</source>
        <translation>not selected, unavailable</translation>
    </message>
</context>
<context>
    <name>CandidateDialog</name>
    <message>
        <source>Пропускная способн. Kvs, м³/ч: %1</source>
        <translation>Flow coefficient Kvs, m³/h: %1</translation>
    </message>
    <message>
        <source>Клапаны</source>
        <translation>Valves</translation>
    </message>
    <message>
        <source>Подходящие клапаны:</source>
        <translation>Suitable valves:</translation>
    </message>
    <message>
        <source>Подходящие приводы:</source>
        <translation>Suitable actuators:</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CatalogueQuestion</name>
    <message>
        <source>С программой установлена более новая база от %1.
В вашей рабочей папке база без даты.
Заменить базу в рабочей папке на новую?</source>
        <translation>A newer catalogue of %1 was installed with the program.
The catalogue in your working folder has no date.
Replace the catalogue in the working folder with the new one?</translation>
    </message>
    <message>
        <source>С программой установлена более новая база от %1.
В вашей рабочей папке база от %2.
Заменить базу в рабочей папке на новую?</source>
        <translation>A newer catalogue of %1 was installed with the program.
The catalogue in your working folder is of %2.
Replace the catalogue in the working folder with the new one?</translation>
    </message>
    <message>
        <source>Подбор клапана</source>
        <translation>Valve selection</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>CatalogueUpdate</name>
    <message>
        <source>%1 МБ</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 КБ</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 байт</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>%1 мин</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 с</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Подбор клапана. База от %1</source>
        <translation>Valve selection. Catalogue of %1</translation>
    </message>
    <message>
        <source>Не могу установить соединение с сервером.</source>
        <translation>Cannot connect to the server.</translation>
    </message>
    <message>
        <source>В рабочей папке уже идет другое обновление, файлы не изменены.</source>
        <translation>Another update is already running in the working folder, files unchanged.</translation>
    </message>
    <message>
        <source>Рабочая папка закрыта для записи, файлы не изменены.</source>
        <translation>The working folder is write-protected, files unchanged.</translation>
    </message>
    <message>
        <source>Ошибка соединения!</source>
        <translation>Connection error!</translation>
    </message>
    <message>
        <source>Не могу найти нужную директорию.</source>
        <translation>Cannot find the required directory.</translation>
    </message>
    <message>
        <source>Ошибка соединения! Сервер не передал файл «%1», файлы не изменены.</source>
        <translation>Connection error! The server did not send the file “%1”, files unchanged.</translation>
    </message>
    <message>
        <source>Ошибка соединения! Передача файла «%1» прервана, файлы не изменены.</source>
        <translation>Connection error! The transfer of the file “%1” was interrupted, files unchanged.</translation>
    </message>
    <message>
        <source>Ошибка соединения! Сервер не отвечает, файлы не изменены.</source>
        <translation>Connection error! The server does not respond, files unchanged.</translation>
    </message>
    <message>
        <source>Ошибка соединения! Обновление не закончилось за %1, файлы не изменены.</source>
        <translation>Connection error! The update did not finish within %1, files unchanged.</translation>
    </message>
    <message>
        <source>Список файлов на сервере больше %1, обновление прервано, файлы не изменены.</source>
        <translation>The file list on the server is larger than %1, update stopped, files unchanged.</translation>
    </message>
    <message>
        <source>Файл «%1» на сервере больше %2, обновление прервано, файлы не изменены.</source>
        <translation>The file “%1” on the server is larger than %2, update stopped, files unchanged.</translation>
    </message>
    <message>
        <source>Файлы обновления вместе больше %1, обновление прервано, файлы не изменены.</source>
        <translation>The update files together are larger than %1, update stopped, files unchanged.</translation>
    </message>
    <message>
        <source>Обновление отменено, файлы не изменены.</source>
        <translation>Update cancelled, files unchanged.</translation>
    </message>
    <message>
        <source>Полученный каталог xmldata.xml не читается (%1), файлы не изменены.</source>
        <translation>The catalogue xmldata.xml received cannot be read (%1), files unchanged.</translation>
    </message>
    <message>
        <source>Полученный каталог xmldata.xml не содержит ни клапанов, ни регуляторов, файлы не изменены.</source>
        <translation>The catalogue xmldata.xml received holds neither valves nor controllers, files unchanged.</translation>
    </message>
    <message>
        <source>Не удалось записать файл «%1» в рабочую папку, файлы не изменены.</source>
        <translation>Could not write the file “%1” to the working folder, files unchanged.</translation>
    </message>
    <message>
        <source>Файл «%1» не записан: в рабочей папке на его месте папка, файлы не изменены.</source>
        <translation>The file “%1” was not written: a folder stands in its place in the working folder, files unchanged.</translation>
    </message>
    <message>
        <source>Не удалось записать файл «%1» в рабочую папку, и прежние файлы вернуть не удалось. Они будут возвращены при следующем запуске программы или обновлении.</source>
        <translation>Could not write the file “%1” to the working folder, and the previous files could not be put back. They will be restored at the next start of the program or the next update.</translation>
    </message>
    <message>
        <source>Обновление не найдено</source>
        <translation>No update found</translation>
    </message>
    <message>
        <source>Обновление прошло успешно</source>
        <translation>Update completed successfully</translation>
    </message>
    <message numerus="yes">
        <source>Пропущено файлов с недопустимыми именами: %n</source>
        <translation>
            <numerusform>File skipped for a name not allowed: %n</numerusform>
            <numerusform>Files skipped for names not allowed: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>Unable to load XML document into the parser</source>
        <translation>Unable to load XML document into the parser</translation>
    </message>
    <message>
        <source>Файл каталога %1 слишком велик: %2 МБ, допускается не более %3 МБ. Каталог из него не загружен.</source>
        <translation>The catalogue file %1 is too large: %2 MB, at most %3 MB is allowed. No catalogue was loaded from it.</translation>
    </message>
    <message>
        <source>Не хватает файла данных Рнас! Пожалуйста, переустановите программу.</source>
        <translation>The saturation pressure data file is missing! Please reinstall the program.</translation>
    </message>
</context>
<context>
    <name>DensityCalculatorDialog</name>
    <message>
        <source>Температура этиленгликоля не может быть ниже %1 градусов.</source>
        <translation>The ethylene glycol temperature cannot be below %1 degrees.</translation>
    </message>
    <message>
        <source>Температура этиленгликоля не может быть выше %1 градусов.</source>
        <translation>The ethylene glycol temperature cannot be above %1 degrees.</translation>
    </message>
    <message>
        <source>Концентрация этиленгликоля не может быть ниже %1%.</source>
        <translation>The ethylene glycol concentration cannot be below %1%.</translation>
    </message>
    <message>
        <source>Концентрация этиленгликоля не может быть выше %1%.</source>
        <translation>The ethylene glycol concentration cannot be above %1%.</translation>
    </message>
    <message>
        <source>Нет таблицы плотности этиленгликоля (файл %1). Пожалуйста, переустановите программу.</source>
        <translation>The ethylene glycol density table is missing (file %1). Please reinstall the program.</translation>
    </message>
    <message>
        <source>Температура пропиленгликоля не может быть ниже %1 градусов.</source>
        <translation>The propylene glycol temperature cannot be below %1 degrees.</translation>
    </message>
    <message>
        <source>Температура пропиленгликоля не может быть выше %1 градусов.</source>
        <translation>The propylene glycol temperature cannot be above %1 degrees.</translation>
    </message>
    <message>
        <source>Концентрация пропиленгликоля не может быть ниже %1%.</source>
        <translation>The propylene glycol concentration cannot be below %1%.</translation>
    </message>
    <message>
        <source>Концентрация пропиленгликоля не может быть выше %1%.</source>
        <translation>The propylene glycol concentration cannot be above %1%.</translation>
    </message>
    <message>
        <source>Нет таблицы плотности пропиленгликоля (файл %1). Пожалуйста, переустановите программу.</source>
        <translation>The propylene glycol density table is missing (file %1). Please reinstall the program.</translation>
    </message>
    <message>
        <source>Расчет плотности</source>
        <translation>Density calculation</translation>
    </message>
    <message>
        <source>Этиленгликоль</source>
        <translation>Ethylene glycol</translation>
    </message>
    <message>
        <source>Пропиленгликоль</source>
        <translation>Propylene glycol</translation>
    </message>
    <message>
        <source>Температура:</source>
        <translation>Temperature:</translation>
    </message>
    <message>
        <source>°С</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Концентрация:</source>
        <translation>Concentration:</translation>
    </message>
    <message>
        <source>Расчитать</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>FileMessages</name>
    <message>
        <source>на диске нет места</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>нет прав на запись</source>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>диск доступен только для чтения</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>папка не найдена</source>
        <translation>folder not found</translation>
    </message>
    <message>
        <source>слишком длинное имя файла</source>
        <translation>the file name is too long</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>ошибка записи (код %1)</source>
        <translation>write error (code %1)</translation>
    </message>
    <message>
        <source>%1 МБ</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 КБ</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>это символическая ссылка на несуществующий файл</source>
        <translation>it is a symbolic link to a file that does not exist</translation>
    </message>
    <message>
        <source>на этом месте папка или не обычный файл</source>
        <translation>a folder or something other than a regular file is in its place</translation>
    </message>
    <message>
        <source>документ не удалось построить</source>
        <translation>the document could not be built</translation>
    </message>
    <message>
        <source>; прежний файл не изменен</source>
        <translation>; the previous file is unchanged</translation>
    </message>
    <message>
        <source>файл не найден</source>
        <translation>file not found</translation>
    </message>
    <message>
        <source>это не обычный файл, а папка, канал или устройство</source>
        <translation>it is not a regular file but a folder, a pipe or a device</translation>
    </message>
    <message>
        <source>файл больше %1</source>
        <translation>the file is larger than %1</translation>
    </message>
    <message>
        <source>нет прав на чтение</source>
        <translation>no permission to read</translation>
    </message>
    <message>
        <source>ошибка чтения</source>
        <translation>read error</translation>
    </message>
    <message>
        <source>Файл %1 — входной файл команды: записать в него результат нельзя</source>
        <translation>The file %1 is an input of the command: the result cannot be written to it</translation>
    </message>
    <message>
        <source>Файл %1 — это входной файл команды %2: записать в него результат нельзя</source>
        <translation>The file %1 is the input file %2 of the command: the result cannot be written to it</translation>
    </message>
    <message>
        <source>Не удалось сохранить введенные данные в файле %1 (%2). При следующем запуске их не будет.</source>
        <translation>Could not save the inputs to the file %1 (%2). They will not be there at the next start.</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл %1 (%2).</source>
        <translation>Could not save the file %1 (%2).</translation>
    </message>
    <message>
        <source>Не удалось записать документ: %1 (%2)</source>
        <translation>Could not write the document: %1 (%2)</translation>
    </message>
    <message>
        <source>Не удалось записать ведомость оборудования: %1 (%2)</source>
        <translation>Could not write the equipment schedule: %1 (%2)</translation>
    </message>
    <message>
        <source>Файл %1 — файл этого проекта: записать в него ведомость нельзя.</source>
        <translation>The file %1 is this project&apos;s file: the schedule cannot be written to it.</translation>
    </message>
    <message>
        <source>Не удалось записать файл проекта (%1)</source>
        <translation>Could not write the project file (%1)</translation>
    </message>
    <message>
        <source>Не удалось записать файл проекта: он был бы больше %1, а файл больше этого программа не открывает</source>
        <translation>Could not write the project file: it would be larger than %1, and the program does not open a larger file</translation>
    </message>
    <message>
        <source>Файл проекта не читается (%1)</source>
        <translation>The project file cannot be read (%1)</translation>
    </message>
    <message>
        <source>Файл CSV не читается: %1 (%2)</source>
        <translation>The CSV file cannot be read: %1 (%2)</translation>
    </message>
    <message>
        <source>Файл выбора не читается: %1 (%2)</source>
        <translation>The selection file cannot be read: %1 (%2)</translation>
    </message>
    <message>
        <source>Не удалось вывести результат (%1)</source>
        <translation>Could not write the result to standard output (%1)</translation>
    </message>
</context>
<context>
    <name>FormDocuments</name>
    <message>
        <source>Подбор клапана.odt</source>
        <translation>Valve selection.odt</translation>
    </message>
    <message>
        <source>Не удалось записать документ во временную папку %1 (%2).</source>
        <translation>Could not write the document to the temporary folder %1 (%2).</translation>
    </message>
    <message>
        <source>Не найден текстовый редактор для документов OpenDocument (.odt). Документ сохранен в файле %1.</source>
        <translation>No word processor for OpenDocument (.odt) documents was found. The document was saved as %1.</translation>
    </message>
    <message>
        <source>Не удалось сохранить копию документа в файле %1 (%2).</source>
        <translation>Could not save a copy of the document as %1 (%2).</translation>
    </message>
    <message>
        <source>Принтер по умолчанию не найден. Документ не напечатан. Его копия сохранена в файле %1.</source>
        <translation>No default printer was found. The document was not printed. A copy was saved as %1.</translation>
    </message>
    <message>
        <source>Принтер по умолчанию не найден. Документ не напечатан.</source>
        <translation>No default printer was found. The document was not printed.</translation>
    </message>
    <message>
        <source>Не удалось напечатать документ. Его копия сохранена в файле %1.</source>
        <translation>Could not print the document. A copy was saved as %1.</translation>
    </message>
    <message>
        <source>Не удалось напечатать документ.</source>
        <translation>Could not print the document.</translation>
    </message>
    <message>
        <source>Не найдена почтовая программа. Выберите почтовую программу по умолчанию в настройках системы.</source>
        <translation>No e-mail program was found. Choose a default e-mail program in the system settings.</translation>
    </message>
</context>
<context>
    <name>HeatLoadFlowDialog</name>
    <message>
        <source>Расчет расхода по тепловой нагрузке</source>
        <translation>Flow rate from heat load</translation>
    </message>
    <message>
        <source>Температурный график, °С:</source>
        <translation>Flow/return temperatures, °C:</translation>
    </message>
    <message>
        <source>Тепловая мощность:</source>
        <translation>Heat load:</translation>
    </message>
    <message>
        <source>кВт</source>
        <translation>kW</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Температуры графика равны: расход по тепловой нагрузке не определен. Введите две разные температуры.</source>
        <translation>The flow and return temperatures are equal: the flow rate from the heat load is undefined. Enter two different temperatures.</translation>
    </message>
    <message>
        <source>Расход по тепловой нагрузке не удается вычислить. Проверьте температуры графика и тепловую мощность.</source>
        <translation>The flow rate cannot be calculated from the heat load. Check the flow and return temperatures and the heat load.</translation>
    </message>
</context>
<context>
    <name>InputField</name>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Плотность среды</source>
        <translation>Density of the medium</translation>
    </message>
    <message>
        <source>Р1</source>
        <translation>P1</translation>
    </message>
    <message>
        <source>Р2</source>
        <translation>P2</translation>
    </message>
    <message>
        <source>Т</source>
        <translation>T</translation>
    </message>
    <message>
        <source>ΔP</source>
        <translation>ΔP</translation>
    </message>
    <message>
        <source>δ</source>
        <translation>δ</translation>
    </message>
    <message>
        <source>Требуемый перепад давления (настройка)</source>
        <translation>Required differential pressure (set point)</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>Поддерживаемая температура</source>
        <translation>Maintained temperature</translation>
    </message>
</context>
<context>
    <name>LanguageChoice</name>
    <message>
        <source>Язык окна изменится при следующем запуске программы.</source>
        <translation>The window&apos;s language changes when the program next starts.</translation>
    </message>
    <message>
        <source>Пока задана переменная окружения SELVIO_LANG=%1, язык окна задает она.</source>
        <translation>While the environment variable SELVIO_LANG=%1 is set, it decides the window&apos;s language.</translation>
    </message>
    <message>
        <source>Язык / Language:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>Язык окна</source>
        <translation>Window language</translation>
    </message>
    <message>
        <source>Язык окна; меняется при следующем запуске</source>
        <translation>Window language; changes at the next start</translation>
    </message>
    <message>
        <source>Не удалось сохранить выбор языка в настройках пользователя: при следующем запуске язык останется прежним.</source>
        <translation>Could not save the language choice in the user&apos;s settings: the language stays as it is at the next start.</translation>
    </message>
</context>
<context>
    <name>LanguageOption</name>
    <message>
        <source>После --lang нужен язык: ru или en</source>
        <translation>--lang needs a language: ru or en</translation>
    </message>
    <message>
        <source>Неизвестный язык: %1 (допустимы ru и en)</source>
        <translation>Unknown language: %1 (ru and en are accepted)</translation>
    </message>
    <message>
        <source>Параметр любой команды: --lang ru|en
  Язык вывода: ru - русский, en - английский. Без него - язык из SELVIO_LANG,
  иначе язык системы, если программа на нем говорит, иначе русский.
</source>
        <translation>Option of every command: --lang ru|en
  Language of the output: ru - Russian, en - English. Without it, the language in
  SELVIO_LANG, else the system&apos;s language if the program speaks it, else Russian.
</translation>
    </message>
</context>
<context>
    <name>MainProgram</name>
    <message>
        <source>selvio: нет графического дисплея (не заданы DISPLAY и WAYLAND_DISPLAY), окно открыть негде.</source>
        <translation>selvio: no graphical display (neither DISPLAY nor WAYLAND_DISPLAY is set), nowhere to open the window.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Расчет (F9, Ctrl+Enter)</source>
        <translation>Calculate (F9, Ctrl+Enter)</translation>
    </message>
    <message>
        <source>Открыть (Ctrl+O)</source>
        <translation>Open (Ctrl+O)</translation>
    </message>
    <message>
        <source>Сохранить как (Ctrl+S)</source>
        <translation>Save as (Ctrl+S)</translation>
    </message>
</context>
<context>
    <name>PositionLabel</name>
    <message>
        <source>содержит недопустимый знак %1: управляющие знаки, знаки направления письма и разделители строк в обозначении не допускаются</source>
        <translation>contains the forbidden character %1: control characters, text direction marks and line separators are not allowed in a tag</translation>
    </message>
    <message>
        <source>длиннее %1 знаков</source>
        <translation>is longer than %1 characters</translation>
    </message>
</context>
<context>
    <name>ProductCheck</name>
    <message>
        <source>Проверка по МЭК не выполнена: у изделия не задан Kvs.</source>
        <translation>IEC check not made: the product has no Kvs.</translation>
    </message>
    <message>
        <source>Проверка по МЭК не выполнена: расход должен быть больше нуля.</source>
        <translation>IEC check not made: the flow rate must be greater than zero.</translation>
    </message>
    <message>
        <source>Проверка по МЭК не выполнена: коэффициент запаса K должен быть больше нуля.</source>
        <translation>IEC check not made: the safety factor K must be greater than zero.</translation>
    </message>
    <message>
        <source>Проверка по МЭК не выполнена: абсолютное давление P1 должно быть больше нуля.</source>
        <translation>IEC check not made: the absolute pressure P1 must be greater than zero.</translation>
    </message>
    <message>
        <source>Проверка по МЭК не выполнена: температура вне области IAPWS-IF97 для воды (0–350 °C).</source>
        <translation>IEC check not made: the temperature is outside the IAPWS-IF97 range for water (0–350 °C).</translation>
    </message>
    <message>
        <source>Проверка по МЭК не выполнена: перепад давления ΔP должен быть больше нуля.</source>
        <translation>IEC check not made: the pressure drop ΔP must be greater than zero.</translation>
    </message>
    <message>
        <source>Проверка по МЭК не выполнена: плотность раствора должна быть больше нуля.</source>
        <translation>IEC check not made: the density of the solution must be greater than zero.</translation>
    </message>
    <message>
        <source>Проверка по МЭК не выполнена: давление P1 выше 1000 бар (предел IAPWS-IF97).</source>
        <translation>IEC check not made: the pressure P1 is above 1000 bar (the IAPWS-IF97 limit).</translation>
    </message>
    <message>
        <source>Проверка по МЭК не выполнена: перепад давления ΔP не меньше абсолютного давления P1.</source>
        <translation>IEC check not made: the pressure drop ΔP is not less than the absolute pressure P1.</translation>
    </message>
    <message>
        <source>Проверка по МЭК не выполнена: относительный перепад δ должен быть между 0 и 1.</source>
        <translation>IEC check not made: the relative pressure drop δ must lie between 0 and 1.</translation>
    </message>
    <message>
        <source>Проверка по МЭК не выполнена: давление насыщенного пара вне области IAPWS-IF97 (0.0061–165 бар абс.).</source>
        <translation>IEC check not made: the saturated steam pressure is outside the IAPWS-IF97 range (0.0061–165 bar abs.).</translation>
    </message>
    <message>
        <source>Kvs достаточен: по МЭК требуется Kv %1 ≤ Kvs %2.</source>
        <translation>Kvs is sufficient: IEC requires Kv %1 ≤ Kvs %2.</translation>
    </message>
    <message>
        <source>Kvs достаточен: по МЭК требуется Kv %1 ≤ Kvs %2 (с коэффициентом запаса K = %3).</source>
        <translation>Kvs is sufficient: IEC requires Kv %1 ≤ Kvs %2 (with safety factor K = %3).</translation>
    </message>
    <message>
        <source>Kvs недостаточен: по МЭК требуется Kv %1 &gt; Kvs %2. Из того же списка подойдет %3 (Kvs %4).</source>
        <translation>Kvs is insufficient: IEC requires Kv %1 &gt; Kvs %2. From the same list, %3 (Kvs %4) would do.</translation>
    </message>
    <message>
        <source>Kvs недостаточен: по МЭК требуется Kv %1 &gt; Kvs %2 (с коэффициентом запаса K = %3). Из того же списка подойдет %4 (Kvs %5).</source>
        <translation>Kvs is insufficient: IEC requires Kv %1 &gt; Kvs %2 (with safety factor K = %3). From the same list, %4 (Kvs %5) would do.</translation>
    </message>
    <message>
        <source>Kvs недостаточен: по МЭК требуется Kv %1 &gt; Kvs %2. Ни одно изделие из того же списка не подойдет.</source>
        <translation>Kvs is insufficient: IEC requires Kv %1 &gt; Kvs %2. No product of the same list would do.</translation>
    </message>
    <message>
        <source>Kvs недостаточен: по МЭК требуется Kv %1 &gt; Kvs %2 (с коэффициентом запаса K = %3). Ни одно изделие из того же списка не подойдет.</source>
        <translation>Kvs is insufficient: IEC requires Kv %1 &gt; Kvs %2 (with safety factor K = %3). No product of the same list would do.</translation>
    </message>
    <message>
        <source>Расчет по МЭК невозможен: при %1 °C среда вскипает на входе (Pv %2 бар &gt; P1 %3 бар абс.).</source>
        <translation>IEC sizing impossible: at %1 °C the medium boils at the inlet (Pv %2 bar &gt; P1 %3 bar abs.).</translation>
    </message>
    <message>
        <source>Среда вскипает на входе: давление насыщенных паров Pv = %1 бар больше P1 = %2 бар (абсолютные).</source>
        <translation>The medium boils at the inlet: the vapour pressure Pv = %1 bar exceeds P1 = %2 bar (absolute).</translation>
    </message>
    <message>
        <source>Запертый поток: ΔP = %1 бар ≥ FL²·(P1 − FF·Pv) = %2 бар; Kv рассчитан по предельному перепаду.</source>
        <translation>Choked flow: ΔP = %1 bar ≥ FL²·(P1 − FF·Pv) = %2 bar; Kv sized on the limiting pressure drop.</translation>
    </message>
    <message>
        <source>Индекс кавитации x_F = %1 ≥ %2: в седельном клапане возможна кавитация.</source>
        <translation>Cavitation index x_F = %1 ≥ %2: cavitation is possible in a globe valve.</translation>
    </message>
    <message>
        <source>Критическое истечение: x = %1 ≥ Fγ·xT = %2; Kv рассчитан при x = Fγ·xT.</source>
        <translation>Choked flow: x = %1 ≥ Fγ·xT = %2; Kv sized at x = Fγ·xT.</translation>
    </message>
    <message>
        <source>Kv/Kvs = %1 % ниже диапазона регулирования (1/50 = 2 %): клапан завышен, ход принят 0.</source>
        <translation>Kv/Kvs = %1 % is below the control range (1/50 = 2 %): the valve is oversized, travel taken as 0.</translation>
    </message>
    <message>
        <source>Ход %1 % ниже рабочего диапазона 10–70 %: клапан завышен, регулирование будет неточным.</source>
        <translation>Travel %1 % is below the working range 10–70 %: the valve is oversized, control will be poor.</translation>
    </message>
    <message>
        <source>Ход %1 % выше рабочего диапазона 10–70 %: нет запаса по пропускной способности.</source>
        <translation>Travel %1 % is above the working range 10–70 %: no reserve of capacity.</translation>
    </message>
    <message>
        <source>Kv/Kvs = %1 %: Kvs недостаточен даже при полном открытии.</source>
        <translation>Kv/Kvs = %1 %: Kvs is insufficient even fully open.</translation>
    </message>
    <message>
        <source>Скорость в присоединении %1 м/с выше %2 м/с: возможны шум и эрозия.</source>
        <translation>Velocity in the connection %1 m/s is above %2 m/s: noise and erosion are possible.</translation>
    </message>
    <message>
        <source>Скорость в присоединении %1 м/с выше рекомендуемой (до 3 м/с для жидкости).</source>
        <translation>Velocity in the connection %1 m/s is above the recommended (up to 3 m/s for liquids).</translation>
    </message>
    <message>
        <source>Скорость в присоединении %1 м/с выше рекомендуемой (15–40 м/с для насыщенного пара).</source>
        <translation>Velocity in the connection %1 m/s is above the recommended (15–40 m/s for saturated steam).</translation>
    </message>
    <message>
        <source>Скорость в присоединении %1 м/с ниже рекомендуемой (15–40 м/с для насыщенного пара).</source>
        <translation>Velocity in the connection %1 m/s is below the recommended (15–40 m/s for saturated steam).</translation>
    </message>
    <message>
        <source>Коэффициенты клапана FL = %1, xT = %2: типовые значения МЭК 60534-2-1 для односедельного седельного клапана (профилированный плунжер, поток на открытие); каталог их не задает.</source>
        <translation>Valve factors FL = %1, xT = %2: typical values of IEC 60534-2-1 for a single-seated globe valve (contoured plug, flow-to-open); the catalogue does not give them.</translation>
    </message>
    <message>
        <source>FP = 1: присоединительная арматура трубопровода не известна и не учтена; FR = 1: течение полностью турбулентное.</source>
        <translation>FP = 1: the pipe fittings are not known and not taken into account; FR = 1: fully turbulent flow.</translation>
    </message>
    <message>
        <source>Вода: плотность и давление насыщенных паров по IAPWS-IF97; ΔP — перепад на клапане.</source>
        <translation>Water: density and vapour pressure after IAPWS-IF97; ΔP is the pressure drop across the valve.</translation>
    </message>
    <message>
        <source>Гликолевый раствор: плотность из поля плотности, давление насыщенных паров как у воды по IAPWS-IF97 (с запасом); ΔP — перепад на клапане.</source>
        <translation>Glycol solution: density from the density field, vapour pressure as for water after IAPWS-IF97 (on the safe side); ΔP is the pressure drop across the valve.</translation>
    </message>
    <message>
        <source>Насыщенный пар: δ = ΔP/P1 по абсолютному давлению, P2 = P1·(1 − δ); плотность, скорость звука и показатель изоэнтропы по IAPWS-IF97.</source>
        <translation>Saturated steam: δ = ΔP/P1 on absolute pressure, P2 = P1·(1 − δ); density, speed of sound and isentropic exponent after IAPWS-IF97.</translation>
    </message>
    <message>
        <source>Абсолютное давление = избыточное + %1 бар. Открытие и ход — по Kv без коэффициента запаса.</source>
        <translation>Absolute pressure = gauge + %1 bar. Opening and travel from Kv without the safety factor.</translation>
    </message>
</context>
<context>
    <name>ProductDocuments</name>
    <message>
        <source>Файл не найден. Обновите базу данных.</source>
        <translation>File not found. Update the catalogue.</translation>
    </message>
    <message>
        <source>Файл с тех.описанием не найден. Обновите базу данных.</source>
        <translation>Technical description file not found. Update the catalogue.</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>Позиция %1: поле «%2» должно быть объектом</source>
        <translation>Position %1: field “%2” must be an object</translation>
    </message>
    <message>
        <source>Позиция %1: поле «%2» должно быть целым числом от %3 до %4</source>
        <translation>Position %1: field “%2” must be a whole number from %3 to %4</translation>
    </message>
    <message>
        <source>Позиция %1: поле «%2» должно быть числом или null</source>
        <translation>Position %1: field “%2” must be a number or null</translation>
    </message>
    <message>
        <source>Позиция %1: поле «%2» должно быть true или false</source>
        <translation>Position %1: field “%2” must be true or false</translation>
    </message>
    <message>
        <source>Позиция %1: поле «%2» должно быть строкой</source>
        <translation>Position %1: field “%2” must be a string</translation>
    </message>
    <message>
        <source>Позиция %1: поле «%2» %3</source>
        <translation>Position %1: field “%2” %3</translation>
    </message>
    <message>
        <source>Позиция %1: поле «%2» должно содержать коды знаков от 0 до 65535</source>
        <translation>Position %1: field “%2” must hold character codes from 0 to 65535</translation>
    </message>
    <message>
        <source>Позиция %1: поле «%2» должно быть строкой не длиннее 99 знаков без нулевого знака</source>
        <translation>Position %1: field “%2” must be a string of at most 99 characters without a null character</translation>
    </message>
    <message>
        <source>Позиция %1: нет поля «%2»</source>
        <translation>Position %1: no field “%2”</translation>
    </message>
    <message>
        <source>Позиция %1: должна быть объектом</source>
        <translation>Position %1: must be an object</translation>
    </message>
    <message>
        <source>Файл проекта поврежден или обрезан: ошибка в байте %1 из %2</source>
        <translation>The project file is damaged or cut short: error at byte %1 of %2</translation>
    </message>
    <message>
        <source>Это не файл проекта</source>
        <translation>This is not a project file</translation>
    </message>
    <message>
        <source>Файл проекта поврежден: не указана версия формата</source>
        <translation>The project file is damaged: it gives no format version</translation>
    </message>
    <message>
        <source>Файл проекта записан более новой версией программы (версия формата %1, эта версия читает версию %2)</source>
        <translation>The project file was written by a newer version of the program (format version %1; this version reads version %2)</translation>
    </message>
    <message>
        <source>Неизвестная версия формата файла проекта: %1</source>
        <translation>Unknown project file format version: %1</translation>
    </message>
    <message>
        <source>Файл проекта поврежден: нет списка позиций</source>
        <translation>The project file is damaged: it has no list of positions</translation>
    </message>
    <message>
        <source>В файле проекта позиций: %1, а в проекте их может быть не больше %2</source>
        <translation>The project file holds %1 positions; a project holds at most %2</translation>
    </message>
</context>
<context>
    <name>ProjectWindow</name>
    <message>
        <source>не подобрано</source>
        <translation>nothing selected</translation>
    </message>
    <message>
        <source>Обозначение позиции %1 не изменено: оно %2.</source>
        <translation>The tag of position %1 was not changed: it %2.</translation>
    </message>
    <message numerus="yes">
        <source>В проекте уже %n позиций: больше добавить нельзя.</source>
        <translation>
            <numerusform>The project already holds %n position: no more can be added.</numerusform>
            <numerusform>The project already holds %n positions: no more can be added.</numerusform>
        </translation>
    </message>
    <message>
        <source>Проект (*.selvio)|*.selvio||</source>
        <translation>Project (*.selvio)|*.selvio||</translation>
    </message>
    <message>
        <source>Документ ODT (*.odt)|*.odt|Документ PDF (*.pdf)|*.pdf|Таблица CSV (*.csv)|*.csv||</source>
        <translation>ODT document (*.odt)|*.odt|PDF document (*.pdf)|*.pdf|CSV table (*.csv)|*.csv||</translation>
    </message>
    <message>
        <source>Открыть проект</source>
        <translation>Open project</translation>
    </message>
    <message>
        <source>Сохранить проект</source>
        <translation>Save project</translation>
    </message>
    <message>
        <source>Проект</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>Позиции проекта</source>
        <translation>Project positions</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Заменить</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>В форму</source>
        <translation>Open in form</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Вверх</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Переместить вверх</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Вниз</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Переместить вниз</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Перепроверить</source>
        <translation>Recheck</translation>
    </message>
    <message>
        <source>Ход перепроверки</source>
        <translation>Recheck progress</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Количество — целое число от 1 до %1.</source>
        <translation>The quantity is a whole number from 1 to %1.</translation>
    </message>
    <message>
        <source>Позиция %1</source>
        <translation>Position %1</translation>
    </message>
    <message>
        <source>Сначала выполните расчет: в проект добавляется рассчитанный подбор.</source>
        <translation>Calculate first: the project takes a calculated selection.</translation>
    </message>
    <message>
        <source>Позиция %1 добавлена.</source>
        <translation>Position %1 added.</translation>
    </message>
    <message>
        <source>Выберите позицию, которую заменить.</source>
        <translation>Select the position to replace.</translation>
    </message>
    <message>
        <source>Сначала выполните расчет: позиция заменяется рассчитанным подбором.</source>
        <translation>Calculate first: a position is replaced by a calculated selection.</translation>
    </message>
    <message>
        <source>Позиция %1 заменена.</source>
        <translation>Position %1 replaced.</translation>
    </message>
    <message>
        <source>Выберите позицию, которую открыть в форме.</source>
        <translation>Select the position to open in the form.</translation>
    </message>
    <message>
        <source>Позиция %1 открыта в форме.</source>
        <translation>Position %1 opened in the form.</translation>
    </message>
    <message>
        <source>Подбор позиции %1 на текущем каталоге отличается от сохраненного в проекте: %2. Чтобы сохранить новый подбор, нажмите «Заменить».</source>
        <translation>With the current catalogue the selection of position %1 differs from the one saved in the project: %2. To keep the new selection, press “Replace”.</translation>
    </message>
    <message>
        <source>Позиция %1 удалена.</source>
        <translation>Position %1 deleted.</translation>
    </message>
    <message>
        <source>Проект сохранен в файл %1.</source>
        <translation>Project saved to %1.</translation>
    </message>
    <message>
        <source>Сохранить изменения проекта перед открытием другого?</source>
        <translation>Save the changes to the project before opening another one?</translation>
    </message>
    <message>
        <source>Открыт проект %1: позиций %2.</source>
        <translation>Project %1 opened, positions: %2.</translation>
    </message>
    <message>
        <source>В проекте нет позиций: ведомость оборудования была бы пустой.</source>
        <translation>The project has no positions: the equipment schedule would be empty.</translation>
    </message>
    <message>
        <source>Ведомость оборудования записана в файл %1.</source>
        <translation>Equipment schedule written to %1.</translation>
    </message>
    <message>
        <source>В проекте нет позиций: перепроверять нечего.</source>
        <translation>The project has no positions: there is nothing to recheck.</translation>
    </message>
    <message>
        <source>Перепроверка позиций на текущем каталоге…</source>
        <translation>Rechecking the positions against the current catalogue…</translation>
    </message>
    <message>
        <source>Перепроверка отменена, проект не изменен.</source>
        <translation>Recheck cancelled, the project is unchanged.</translation>
    </message>
    <message>
        <source>Перепроверено позиций: %1. Подбор ни одной не изменился.</source>
        <translation>Positions rechecked: %1. No selection changed.</translation>
    </message>
    <message>
        <source>Перепроверка прервана: проект изменился.</source>
        <translation>Recheck stopped: the project changed.</translation>
    </message>
    <message>
        <source>Проект изменился во время перепроверки, ее результат не принят. Перепроверьте проект еще раз.</source>
        <translation>The project changed during the recheck, so its result was not applied. Recheck the project again.</translation>
    </message>
    <message>
        <source>Изменился подбор позиций: %1. Оставлен прежний подбор.</source>
        <translation>Positions whose selection changed: %1. The previous selections were kept.</translation>
    </message>
    <message>
        <source>Изменился подбор позиций: %1, принято: %2.</source>
        <translation>Positions whose selection changed: %1, accepted: %2.</translation>
    </message>
    <message>
        <source>Каталог обновлен. Перепроверить позиции проекта на новом каталоге?</source>
        <translation>The catalogue was updated. Recheck the project&apos;s positions against the new catalogue?</translation>
    </message>
    <message>
        <source>Проект изменен. Сохранить изменения?</source>
        <translation>The project has changed. Save the changes?</translation>
    </message>
    <message>
        <source>Проект «%1» изменен. Сохранить изменения?</source>
        <translation>Project “%1” has changed. Save the changes?</translation>
    </message>
    <message>
        <source>Экспорт спецификации</source>
        <translation>Export schedule</translation>
    </message>
</context>
<context>
    <name>Recheck</name>
    <message>
        <source>ничего</source>
        <translation>nothing</translation>
    </message>
    <message>
        <source>возможна кавитация</source>
        <translation>cavitation possible</translation>
    </message>
    <message>
        <source>кавитации нет</source>
        <translation>no cavitation</translation>
    </message>
    <message>
        <source>без изменений</source>
        <translation>unchanged</translation>
    </message>
    <message>
        <source>другое изделие: %1 → %2</source>
        <translation>other product: %1 → %2</translation>
    </message>
    <message>
        <source>ничего не подобрано</source>
        <translation>nothing selected</translation>
    </message>
    <message>
        <source>ничего не подобрано: %1</source>
        <translation>nothing selected: %1</translation>
    </message>
    <message>
        <source>другие значения: %1</source>
        <translation>other figures: %1</translation>
    </message>
</context>
<context>
    <name>RecheckDialog</name>
    <message>
        <source>Перепроверка проекта</source>
        <translation>Project recheck</translation>
    </message>
    <message>
        <source>На текущем каталоге изменился подбор позиций (%1 из %2). Отметьте те, что принять; у остальных останется прежний подбор.</source>
        <translation>With the current catalogue the selection changed for %1 of %2 positions. Tick the ones to accept; the others keep their previous selection.</translation>
    </message>
    <message>
        <source>№</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Обозначение</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Изменение</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Принять</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Изменившиеся позиции</source>
        <translation>Changed positions</translation>
    </message>
    <message>
        <source>принять</source>
        <translation>accept</translation>
    </message>
    <message>
        <source>Принять отмеченные</source>
        <translation>Accept ticked</translation>
    </message>
    <message>
        <source>Оставить прежний подбор</source>
        <translation>Keep previous selections</translation>
    </message>
</context>
<context>
    <name>ReportDocument</name>
    <message>
        <source>Дата подбора: %1</source>
        <translation>Date of selection: %1</translation>
    </message>
    <message>
        <source>Результат подбора клапана</source>
        <translation>Valve selection result</translation>
    </message>
</context>
<context>
    <name>ReportMail</name>
    <message>
        <source>Подбор клапана</source>
        <translation>Valve selection</translation>
    </message>
</context>
<context>
    <name>ResultPanels</name>
    <message>
        <source>да</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Трехпозиц.</source>
        <translation>Three-point</translation>
    </message>
    <message>
        <source>Аналоговый</source>
        <translation>Analogue</translation>
    </message>
    <message>
        <source>0-10 В</source>
        <translation>0-10 V</translation>
    </message>
    <message>
        <source>2-10 В</source>
        <translation>2-10 V</translation>
    </message>
    <message>
        <source>0-20 мА</source>
        <translation>0-20 mA</translation>
    </message>
    <message>
        <source>4-20 мА</source>
        <translation>4-20 mA</translation>
    </message>
    <message>
        <source>Норм.открытый</source>
        <translation>Normally open</translation>
    </message>
    <message>
        <source>Норм.закрытый</source>
        <translation>Normally closed</translation>
    </message>
    <message>
        <source>Спиральный</source>
        <translation>Coil</translation>
    </message>
    <message>
        <source>Стержневой</source>
        <translation>Rod</translation>
    </message>
    <message>
        <source>Медь</source>
        <translation>Copper</translation>
    </message>
    <message>
        <source>Нерж.сталь</source>
        <translation>Stainless steel</translation>
    </message>
    <message>
        <source>Медь с ПВХ</source>
        <translation>PVC-coated copper</translation>
    </message>
    <message>
        <source>Для данного регулятора возможна кавитация!</source>
        <translation>Cavitation is possible in this controller!</translation>
    </message>
    <message>
        <source>Для данного клапана возможна кавитация!</source>
        <translation>Cavitation is possible in this valve!</translation>
    </message>
    <message>
        <source>Фланцевый</source>
        <translation>Flanged</translation>
    </message>
    <message>
        <source>Резьбовой</source>
        <translation>Threaded</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>вода</source>
        <translation>water</translation>
    </message>
    <message>
        <source>гликоль</source>
        <translation>glycol</translation>
    </message>
    <message>
        <source>пар</source>
        <translation>steam</translation>
    </message>
    <message>
        <source>Ведомость оборудования сохраняется только в файлы .odt, .pdf и .csv</source>
        <translation>The equipment schedule can only be saved as an .odt, .pdf or .csv file</translation>
    </message>
    <message>
        <source>%1 [нет в каталоге]</source>
        <translation>%1 [not in catalogue]</translation>
    </message>
    <message>
        <source>№</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Обозначение</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Кол-во</source>
        <translation>Qty</translation>
    </message>
    <message>
        <source>Среда</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Изделие</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>Ду</source>
        <translation>DN</translation>
    </message>
    <message>
        <source>Kvs, м³/ч</source>
        <translation>Kvs, m³/h</translation>
    </message>
    <message>
        <source>Привод</source>
        <translation>Actuator</translation>
    </message>
    <message>
        <source>Контроллер</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Kv, м³/ч</source>
        <translation>Kv, m³/h</translation>
    </message>
    <message>
        <source>dPv, бар</source>
        <translation>dPv, bar</translation>
    </message>
    <message>
        <source>V, м/с</source>
        <translation>V, m/s</translation>
    </message>
    <message>
        <source>Ед. G</source>
        <translation>G unit</translation>
    </message>
    <message>
        <source>Ед. ΔP</source>
        <translation>ΔP unit</translation>
    </message>
    <message>
        <source>[нет в каталоге] — изделия или привода нет в каталоге рабочей папки: позиция подобрана по другому каталогу. Перепроверьте проект перед заказом.</source>
        <translation>[not in catalogue] — the product or actuator is not in the working folder&apos;s catalogue: the position was sized with another catalogue. Recheck the project before ordering.</translation>
    </message>
    <message>
        <source>Кол-во, шт</source>
        <translation>Qty, pcs</translation>
    </message>
    <message>
        <source>Проект: %1</source>
        <translation>Project: %1</translation>
    </message>
    <message>
        <source>Дата: %1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>Ведомость оборудования</source>
        <translation>Equipment schedule</translation>
    </message>
    <message>
        <source>Сводка для заказа</source>
        <translation>Order summary</translation>
    </message>
</context>
<context>
    <name>SelectionForm</name>
    <message>
        <source>Клапан:<byte value="xd"/>
Условный проход ДУ, мм:<byte value="xd"/>
Тип присоединения:<byte value="xd"/>
Макс. рабочее давление, бар:<byte value="xd"/>
Макс. раб. температура, °С:<byte value="xd"/>
Пропускная способн. Kvs, м³/ч:<byte value="xd"/>
Рег. характеристика:<byte value="xd"/>
Тип конструкции:<byte value="xd"/>
Протечка относительно Kvs,%:</source>
        <translation>Valve:<byte value="xd"/>
Nominal size DN, mm:<byte value="xd"/>
Connection:<byte value="xd"/>
Max. working pressure, bar:<byte value="xd"/>
Max. working temperature, °C:<byte value="xd"/>
Flow coefficient Kvs, m³/h:<byte value="xd"/>
Characteristic:<byte value="xd"/>
Design:<byte value="xd"/>
Leakage, % of Kvs:</translation>
    </message>
    <message>
        <source>Регулятор перепада давления:<byte value="xd"/>
Условный проход ДУ, мм:<byte value="xd"/>
Тип присоединения:<byte value="xd"/>
Макс. рабочее давление, бар:<byte value="xd"/>
Макс. раб. температура, °С:<byte value="xd"/>
Пропускная способн. Kvs, м³/ч:<byte value="xd"/>
Протечка относительно Kvs,%:<byte value="xd"/>
Диапазон, бар:</source>
        <translation>Differential pressure controller:<byte value="xd"/>
Nominal size DN, mm:<byte value="xd"/>
Connection:<byte value="xd"/>
Max. working pressure, bar:<byte value="xd"/>
Max. working temperature, °C:<byte value="xd"/>
Flow coefficient Kvs, m³/h:<byte value="xd"/>
Leakage, % of Kvs:<byte value="xd"/>
Setting range, bar:</translation>
    </message>
    <message>
        <source>Редукционный клапан:<byte value="xd"/>
Условный проход ДУ, мм:<byte value="xd"/>
Тип присоединения:<byte value="xd"/>
Макс. рабочее давление, бар:<byte value="xd"/>
Макс. раб. температура, °С:<byte value="xd"/>
Пропускная способн. Kvs, м³/ч:<byte value="xd"/>
Протечка относительно Kvs,%:<byte value="xd"/>
Диапазон, бар:</source>
        <translation>Pressure reducing valve:<byte value="xd"/>
Nominal size DN, mm:<byte value="xd"/>
Connection:<byte value="xd"/>
Max. working pressure, bar:<byte value="xd"/>
Max. working temperature, °C:<byte value="xd"/>
Flow coefficient Kvs, m³/h:<byte value="xd"/>
Leakage, % of Kvs:<byte value="xd"/>
Setting range, bar:</translation>
    </message>
    <message>
        <source>Привод:<byte value="xd"/>
Тип исполнения:<byte value="xd"/>
Напряжение,В:<byte value="xd"/>
Входной сигнал<byte value="xd"/>
Потенциометр:<byte value="xd"/>
Концевые выкл.:<byte value="xd"/>
Возвратная пружина:<byte value="xd"/>
Нагрев.элемент</source>
        <translation>Actuator:<byte value="xd"/>
Control:<byte value="xd"/>
Voltage, V:<byte value="xd"/>
Input signal<byte value="xd"/>
Potentiometer:<byte value="xd"/>
Limit switches:<byte value="xd"/>
Spring return:<byte value="xd"/>
Heater</translation>
    </message>
    <message>
        <source>Привод:<byte value="xd"/>
Тип позиционера:<byte value="xd"/>
Исполнение:</source>
        <translation>Actuator:<byte value="xd"/>
Positioner type:<byte value="xd"/>
Normal position:</translation>
    </message>
    <message>
        <source>Привод:<byte value="xd"/>
Длина капилляра,м:<byte value="xd"/>
Металл чувств.эл-та:<byte value="xd"/>
Метелл капилляра:<byte value="xd"/>
Тип чувств.эл-та:<byte value="xd"/>
Диапазон темп-р,оС:</source>
        <translation>Actuator:<byte value="xd"/>
Capillary length, m:<byte value="xd"/>
Sensor metal:<byte value="xd"/>
Capillary metal:<byte value="xd"/>
Sensor type:<byte value="xd"/>
Temperature range, °C:</translation>
    </message>
    <message>
        <source>Контроллер:<byte value="xd"/>
Тип исполнения:<byte value="xd"/>
Датчики температуры (шт):<byte value="xd"/>
- теплоносителя (SX40):<byte value="xd"/>
- наружного воздуха (SX50):<byte value="xd"/>
- воздуха в помещении (SX60):</source>
        <translation>Controller:<byte value="xd"/>
Variant:<byte value="xd"/>
Temperature sensors (pcs):<byte value="xd"/>
- flow temperature (SX40):<byte value="xd"/>
- outdoor (SX50):<byte value="xd"/>
- room (SX60):</translation>
    </message>
    <message>
        <source>Расчетная пропускная способность клапана Kv (Kv*K), м³/ч:<byte value="xd"/>
Расчетная потеря давления на открытом клапане dPv,бар:<byte value="xd"/>
Расчетная скорость теплоносителя через клапан V,м/с:<byte value="xd"/>
Давление насыщенных паров Pнас, при данной температуре, бар:</source>
        <translation>Calculated flow coefficient Kv (Kv*K), m³/h:<byte value="xd"/>
Calculated pressure loss across the open valve dPv, bar:<byte value="xd"/>
Calculated velocity through the valve V, m/s:<byte value="xd"/>
Saturated vapour pressure Psat at this temperature, bar:</translation>
    </message>
    <message>
        <source>Подбор регулятора</source>
        <translation>Valve selection</translation>
    </message>
    <message>
        <source>Тип:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Регулирующий клапан</source>
        <translation>Control valve</translation>
    </message>
    <message>
        <source>Регулятор перепада давления</source>
        <translation>Differential pressure controller</translation>
    </message>
    <message>
        <source>Редукционный клапан</source>
        <translation>Pressure reducing valve</translation>
    </message>
    <message>
        <source>Среда:</source>
        <translation>Medium:</translation>
    </message>
    <message>
        <source>Вода</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>Пар</source>
        <translation>Steam</translation>
    </message>
    <message>
        <source>Гликолевый раствор</source>
        <translation>Glycol solution</translation>
    </message>
    <message>
        <source>Присоединение:</source>
        <translation>Connection:</translation>
    </message>
    <message>
        <source>Фланцевое</source>
        <translation>Flanged</translation>
    </message>
    <message>
        <source>Резьбовое</source>
        <translation>Threaded</translation>
    </message>
    <message>
        <source>Исполнение:</source>
        <translation>Design:</translation>
    </message>
    <message>
        <source>Двухходовой</source>
        <translation>Two-way</translation>
    </message>
    <message>
        <source>Трехходовой</source>
        <translation>Three-way</translation>
    </message>
    <message>
        <source>Трехходовой клапан для:</source>
        <translation>Three-way valve for:</translation>
    </message>
    <message>
        <source>Смешение</source>
        <translation>Mixing</translation>
    </message>
    <message>
        <source>Разделение</source>
        <translation>Diverting</translation>
    </message>
    <message>
        <source>Сбалансированные по давлению</source>
        <translation>Pressure-balanced</translation>
    </message>
    <message>
        <source>Учитывать коэффициент запаса K</source>
        <translation>Apply safety factor K</translation>
    </message>
    <message>
        <source>Учитывать возможную кавитацию</source>
        <translation>Check for cavitation</translation>
    </message>
    <message>
        <source>Плотность среды:</source>
        <translation>Medium density:</translation>
    </message>
    <message>
        <source>кг\м³</source>
        <translation>kg/m³</translation>
    </message>
    <message>
        <source>Расчитать</source>
        <translation>Calculate…</translation>
    </message>
    <message>
        <source>Входное избыточное давл. в регулируемом контуре *(Р1):</source>
        <translation>Inlet gauge pressure in the controlled circuit *(P1):</translation>
    </message>
    <message>
        <source>Выходное избыточное давл. в регулируемом контуре *(Р2):</source>
        <translation>Outlet gauge pressure in the controlled circuit *(P2):</translation>
    </message>
    <message>
        <source>Температура среды в месте установки клапана *(Т):</source>
        <translation>Medium temperature at the valve *(T):</translation>
    </message>
    <message>
        <source>Относительный перепад давления *(δ):</source>
        <translation>Relative pressure drop *(δ):</translation>
    </message>
    <message>
        <source>Требуемый перепад давления (настройка) :</source>
        <translation>Required differential pressure (setting):</translation>
    </message>
    <message>
        <source>Расход среды *(G):</source>
        <translation>Flow rate *(G):</translation>
    </message>
    <message>
        <source>Подбор привода</source>
        <translation>Actuator selection</translation>
    </message>
    <message>
        <source>Тип привода:</source>
        <translation>Actuator type:</translation>
    </message>
    <message>
        <source>Электропривод</source>
        <translation>Electric actuator</translation>
    </message>
    <message>
        <source>Термостат</source>
        <translation>Thermostatic actuator</translation>
    </message>
    <message>
        <source>Пневмопривод</source>
        <translation>Pneumatic actuator</translation>
    </message>
    <message>
        <source>Управляющий сигнал:</source>
        <translation>Control signal:</translation>
    </message>
    <message>
        <source>Трехпозиционный</source>
        <translation>Three-point</translation>
    </message>
    <message>
        <source>Аналоговый</source>
        <translation>Analogue</translation>
    </message>
    <message>
        <source>Напряжение питания:</source>
        <translation>Supply voltage:</translation>
    </message>
    <message>
        <source>24 В</source>
        <translation>24 V</translation>
    </message>
    <message>
        <source>220 В</source>
        <translation>220 V</translation>
    </message>
    <message>
        <source>Тип сигнала:</source>
        <translation>Signal type:</translation>
    </message>
    <message>
        <source>Дополнительные опции:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Концевые выключатели</source>
        <translation>Limit switches</translation>
    </message>
    <message>
        <source>Потенциометр</source>
        <translation>Potentiometer</translation>
    </message>
    <message>
        <source>Возвратная пружина</source>
        <translation>Spring return</translation>
    </message>
    <message>
        <source>Нагревательный элемент</source>
        <translation>Heater</translation>
    </message>
    <message>
        <source>Поддерживаемая температура:</source>
        <translation>Set temperature:</translation>
    </message>
    <message>
        <source>Тип чувствительного эл-та:</source>
        <translation>Sensor type:</translation>
    </message>
    <message>
        <source>Стержневой (для систем ГВС с циркуляцией)</source>
        <translation>Rod (for DHW systems with circulation)</translation>
    </message>
    <message>
        <source>Спиральный (для систем ГВС без циркуляции)</source>
        <translation>Coil (for DHW systems without circulation)</translation>
    </message>
    <message>
        <source>Металл чувствительно эл-та:</source>
        <translation>Sensor metal:</translation>
    </message>
    <message>
        <source>Медь</source>
        <translation>Copper</translation>
    </message>
    <message>
        <source>Нержавеющая сталь</source>
        <translation>Stainless steel</translation>
    </message>
    <message>
        <source>Металл капилляра:</source>
        <translation>Capillary metal:</translation>
    </message>
    <message>
        <source>Медь с ПВХ</source>
        <translation>PVC-coated copper</translation>
    </message>
    <message>
        <source>Длинна капилляра:</source>
        <translation>Capillary length:</translation>
    </message>
    <message>
        <source>м</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Тип позиционера:</source>
        <translation>Positioner type:</translation>
    </message>
    <message>
        <source>Нормально открытый</source>
        <translation>Normally open</translation>
    </message>
    <message>
        <source>Нормально закрытый</source>
        <translation>Normally closed</translation>
    </message>
    <message>
        <source>Подбор автоматики</source>
        <translation>Controls selection</translation>
    </message>
    <message>
        <source>Модель контроллера: ZR310</source>
        <translation>Controller model: ZR310</translation>
    </message>
    <message>
        <source>Тип исполнения:</source>
        <translation>Variant:</translation>
    </message>
    <message>
        <source>Управление одним контуром (ГВС или отопление)</source>
        <translation>One circuit (DHW or heating)</translation>
    </message>
    <message>
        <source>Управление двумя контурами (ГВС и отопление)</source>
        <translation>Two circuits (DHW and heating)</translation>
    </message>
    <message>
        <source>Управление двумя контурами (отопление и отопление)</source>
        <translation>Two circuits (heating and heating)</translation>
    </message>
    <message>
        <source>Датчики для контроллера ZR310:</source>
        <translation>Sensors for the ZR310 controller:</translation>
    </message>
    <message>
        <source>шт.</source>
        <translation>pcs</translation>
    </message>
    <message>
        <source>Датчик температуры теплоносителя</source>
        <translation>Flow temperature sensor</translation>
    </message>
    <message>
        <source>Датчик температуры наружного воздуха</source>
        <translation>Outdoor temperature sensor</translation>
    </message>
    <message>
        <source>Датчик температуры воздуха в помещении</source>
        <translation>Room temperature sensor</translation>
    </message>
    <message>
        <source>Расчет</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Другая конфигурация</source>
        <translation>Other options…</translation>
    </message>
    <message>
        <source>Проверка</source>
        <translation>Sizing check</translation>
    </message>
    <message>
        <source>Результат подбора регулятора</source>
        <translation>Valve selection result</translation>
    </message>
    <message>
        <source>Результат подбора привода</source>
        <translation>Actuator selection result</translation>
    </message>
    <message>
        <source>Результат подбора автоматики</source>
        <translation>Controls selection result</translation>
    </message>
    <message>
        <source>Расчетные данные</source>
        <translation>Calculated data</translation>
    </message>
    <message>
        <source>Техническая информация</source>
        <translation>Technical data</translation>
    </message>
    <message>
        <source>Чертежи 2D</source>
        <translation>2D drawings</translation>
    </message>
    <message>
        <source>Чертежи 3D</source>
        <translation>3D drawings</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Сохранить как</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Экспорт в MS Word</source>
        <translation>Export document</translation>
    </message>
    <message>
        <source>Отправить e-mail</source>
        <translation>Send by e-mail</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Проект</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>Проверить обновление</source>
        <translation>Check for updates</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Перепад давления на клапане *(ΔP):</source>
        <translation>Pressure drop across the valve *(ΔP):</translation>
    </message>
    <message>
        <source>Параметры выбора регулятора (*.crp)|*.crp||</source>
        <translation>Valve selection inputs (*.crp)|*.crp||</translation>
    </message>
</context>
<context>
    <name>SelectionMessage</name>
    <message>
        <source>Поле «%1» не содержит числа</source>
        <translation>The field “%1” holds no number</translation>
    </message>
    <message>
        <source>Должно быть Р2&lt;Р1</source>
        <translation>P2 must be less than P1</translation>
    </message>
    <message>
        <source>Должно быть %1&lt;K&lt;%2</source>
        <translation>The safety factor must be %1&lt;K&lt;%2</translation>
    </message>
    <message>
        <source>Перепад давления на клапане ΔP должен быть больше нуля</source>
        <translation>The pressure drop across the valve ΔP must be greater than zero</translation>
    </message>
    <message>
        <source>Перепад давления на клапане ΔP не может быть равен нулю</source>
        <translation>The pressure drop across the valve ΔP cannot be zero</translation>
    </message>
    <message>
        <source>Плотность среды должна быть больше нуля</source>
        <translation>The density of the medium must be greater than zero</translation>
    </message>
    <message>
        <source>Относительный перепад давления может быть %1&lt;δ&lt;%2</source>
        <translation>The relative pressure drop must be %1&lt;δ&lt;%2</translation>
    </message>
    <message>
        <source>Входное давление Р1 должно быть больше нуля</source>
        <translation>The inlet pressure P1 must be greater than zero</translation>
    </message>
    <message>
        <source>Расход среды G должен быть больше нуля</source>
        <translation>The flow G must be greater than zero</translation>
    </message>
    <message>
        <source>Значение настройки может быть %1&lt;P&lt;%2</source>
        <translation>The set point must be %1&lt;P&lt;%2</translation>
    </message>
    <message>
        <source>Вашим параметрам не удовлетворяет ни один клапан<byte value="xd"/>
За помощью в подборе оборудования обратитесь к специалистам по продаже регулирующей арматуры.</source>
        <translation>No valve meets your parameters<byte value="xd"/>
For help in selecting equipment, contact a control valve sales specialist.</translation>
    </message>
    <message>
        <source>Вашим параметрам не удовлетворяет ни один привод!<byte value="xd"/>
За помощью в подборе оборудования обратитесь к специалистам по продаже регулирующей арматуры.</source>
        <translation>No actuator meets your parameters!<byte value="xd"/>
For help in selecting equipment, contact a control valve sales specialist.</translation>
    </message>
    <message>
        <source>Вашим параметрам не удовлетворяет ни один привод. Попробуйте выбрать термостат из нержавеющей стали.</source>
        <translation>No actuator meets your parameters. Try a thermostat with a stainless steel sensor.</translation>
    </message>
</context>
<context>
    <name>SelectionReport</name>
    <message>
        <source>Условный проход ДУ, мм: %1</source>
        <translation>Nominal size DN, mm: %1</translation>
    </message>
    <message>
        <source>Тип присоединения: %1</source>
        <translation>Connection: %1</translation>
    </message>
    <message>
        <source>Максимальное рабочее давление, бар: %1</source>
        <translation>Maximum working pressure, bar: %1</translation>
    </message>
    <message>
        <source>Максимальная рабочая температура, °С: %1</source>
        <translation>Maximum working temperature, °C: %1</translation>
    </message>
    <message>
        <source>Пропускная способность Kvs, м³/ч: %1</source>
        <translation>Flow coefficient Kvs, m³/h: %1</translation>
    </message>
    <message>
        <source>Протечка относительно Kvs,%: %1</source>
        <translation>Leakage, % of Kvs: %1</translation>
    </message>
    <message>
        <source>Электропривод: %1</source>
        <translation>Electric actuator: %1</translation>
    </message>
    <message>
        <source>Трехпозиционный</source>
        <translation>Three-point</translation>
    </message>
    <message>
        <source>Аналоговый</source>
        <translation>Analogue</translation>
    </message>
    <message>
        <source>Напряжение,В: %1</source>
        <translation>Voltage, V: %1</translation>
    </message>
    <message>
        <source>0-10 В</source>
        <translation>0-10 V</translation>
    </message>
    <message>
        <source>2-10 В</source>
        <translation>2-10 V</translation>
    </message>
    <message>
        <source>0-20 мА</source>
        <translation>0-20 mA</translation>
    </message>
    <message>
        <source>4-20 мА</source>
        <translation>4-20 mA</translation>
    </message>
    <message>
        <source>Входной сигнал: %1</source>
        <translation>Input signal: %1</translation>
    </message>
    <message>
        <source>Дополнительные опции: отсутствуют</source>
        <translation>Options: none</translation>
    </message>
    <message>
        <source>Дополнительные опции:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Потенциометр</source>
        <translation>Potentiometer</translation>
    </message>
    <message>
        <source>Концевые выключатели</source>
        <translation>Limit switches</translation>
    </message>
    <message>
        <source>Возвратная пружина</source>
        <translation>Spring return</translation>
    </message>
    <message>
        <source>Нагревательный элемент</source>
        <translation>Heater</translation>
    </message>
    <message>
        <source>Превмопривод: %1</source>
        <translation>Pneumatic actuator: %1</translation>
    </message>
    <message>
        <source>Тип позиционера: %1</source>
        <translation>Positioner type: %1</translation>
    </message>
    <message>
        <source>Исполнение: %1</source>
        <translation>Normal position: %1</translation>
    </message>
    <message>
        <source>Термостат: %1</source>
        <translation>Thermostatic actuator: %1</translation>
    </message>
    <message>
        <source>Длина капилляра,м: %1</source>
        <translation>Capillary length, m: %1</translation>
    </message>
    <message>
        <source>Металл чувств.эл-та: %1</source>
        <translation>Sensor metal: %1</translation>
    </message>
    <message>
        <source>Металл капилляра: %1</source>
        <translation>Capillary metal: %1</translation>
    </message>
    <message>
        <source>Диапазон темп-р,°С: %1</source>
        <translation>Temperature range, °C: %1</translation>
    </message>
    <message>
        <source>Контроллер: %1</source>
        <translation>Controller: %1</translation>
    </message>
    <message>
        <source>Датчики температуры (шт):</source>
        <translation>Temperature sensors (pcs):</translation>
    </message>
    <message>
        <source>	- теплоносителя (SX40): %1</source>
        <translation>	- flow temperature (SX40): %1</translation>
    </message>
    <message>
        <source>	- наружного воздуха (SX50): %1</source>
        <translation>	- outdoor (SX50): %1</translation>
    </message>
    <message>
        <source>	- воздуха в помещении (SX60): %1</source>
        <translation>	- room (SX60): %1</translation>
    </message>
    <message>
        <source>Клапан: %1</source>
        <translation>Valve: %1</translation>
    </message>
    <message>
        <source>Регулировочная характеристика: %1</source>
        <translation>Characteristic: %1</translation>
    </message>
    <message>
        <source>Тип конструкции: %1</source>
        <translation>Design: %1</translation>
    </message>
    <message>
        <source>Диапазон давления, бар: %1</source>
        <translation>Setting range, bar: %1</translation>
    </message>
    <message>
        <source>РПД: %1</source>
        <translation>Differential pressure controller: %1</translation>
    </message>
    <message>
        <source>РK: %1</source>
        <translation>Pressure reducing valve: %1</translation>
    </message>
    <message>
        <source>Тип исполнения: %1</source>
        <comment>electric actuator</comment>
        <translation>Control: %1</translation>
    </message>
    <message>
        <source>Тип исполнения: %1</source>
        <comment>controller</comment>
        <translation>Variant: %1</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>Бар</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>кПа</source>
        <translation>kPa</translation>
    </message>
    <message>
        <source>кгс/см²</source>
        <translation>kgf/cm²</translation>
    </message>
    <message>
        <source>м³/ч</source>
        <translation>m³/h</translation>
    </message>
    <message>
        <source>л/ч</source>
        <translation>l/h</translation>
    </message>
    <message>
        <source>л/с</source>
        <translation>l/s</translation>
    </message>
    <message>
        <source>т/ч</source>
        <translation>t/h</translation>
    </message>
    <message>
        <source>кг/ч</source>
        <translation>kg/h</translation>
    </message>
    <message>
        <source>кг/с</source>
        <translation>kg/s</translation>
    </message>
    <message>
        <source>0-10 B</source>
        <translation>0-10 V</translation>
    </message>
    <message>
        <source>2-10 B</source>
        <translation>2-10 V</translation>
    </message>
    <message>
        <source>0-20 мА</source>
        <translation>0-20 mA</translation>
    </message>
    <message>
        <source>4-20 мА</source>
        <translation>4-20 mA</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Обновление</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Соединение с сервером...</source>
        <translation>Connecting to the server...</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Загрузка файла: %1</source>
        <translation>Downloading: %1</translation>
    </message>
    <message>
        <source>Загружено файлов: %1 из %2</source>
        <translation>Files downloaded: %1 of %2</translation>
    </message>
    <message>
        <source>Сервер:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Логин:</source>
        <translation>Login:</translation>
    </message>
    <message>
        <source>Пароль:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Путь:</source>
        <translation>Path:</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>UpdateSettings</name>
    <message>
        <source>Сервер:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Логин:</source>
        <translation>Login:</translation>
    </message>
    <message>
        <source>Пароль:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Путь:</source>
        <translation>Path:</translation>
    </message>
    <message>
        <source>Поле «%1» содержит перевод строки или нулевой символ. Исправьте его: настройки не сохранены, соединение не устанавливалось.</source>
        <translation>The field “%1” contains a line break or a null character. Correct it: the settings were not saved, no connection was made.</translation>
    </message>
    <message>
        <source>Файл настроек обновления %1 поврежден: в нем есть нулевой символ или возврат каретки без перевода строки. Настройки из него не прочитаны, соединение не устанавливалось.</source>
        <translation>The update settings file %1 is damaged: it holds a null character or a carriage return without a line feed. No settings were read from it, no connection was made.</translation>
    </message>
    <message>
        <source>Файл настроек обновления %1 не прочитан: это не обычный файл или он больше %2 КБ. Соединение не устанавливалось.</source>
        <translation>The update settings file %1 was not read: it is not a regular file, or it is larger than %2 KB. No connection was made.</translation>
    </message>
</context>
<context>
    <name>WorkingFolder</name>
    <message>
        <source>Не удалось скопировать в папку %1 установленные файлы: %2</source>
        <translation>Could not copy the installed files to %1: %2</translation>
    </message>
    <message>
        <source>Установленные файлы не скопированы через символические ссылки в папке %1: %2</source>
        <translation>Installed files were not copied through symbolic links in %1: %2</translation>
    </message>
    <message>
        <source>Обновление каталога было прервано, и прежние файлы вернуть не удалось: %1</source>
        <translation>A catalogue update was interrupted, and the previous files could not be restored: %1</translation>
    </message>
    <message>
        <source>Обновление каталога было прервано; прежние файлы восстановлены.</source>
        <translation>A catalogue update was interrupted; the previous files were restored.</translation>
    </message>
    <message>
        <source>Не удалось создать папку данных: %1</source>
        <translation>Could not create the data folder: %1</translation>
    </message>
    <message>
        <source>Не удалось записать %1</source>
        <translation>Could not write %1</translation>
    </message>
    <message>
        <source>Не удалось перейти в рабочую папку: %1</source>
        <translation>Could not enter the working folder: %1</translation>
    </message>
    <message numerus="yes">
        <source>и еще %n</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
</context>
</TS>
