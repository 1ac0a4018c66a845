<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
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
        <translation>The file %1 is this project's file: the schedule cannot be written to it.</translation>
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
        <source>Не удалось вывести результат (%1)</source>
        <translation>Could not write the result to standard output (%1)</translation>
    </message>
    <message>
        <source>Файл CSV не читается: %1 (%2)</source>
        <translation>The CSV file cannot be read: %1 (%2)</translation>
    </message>
    <message>
        <source>Файл выбора не читается: %1 (%2)</source>
        <translation>The selection file cannot be read: %1 (%2)</translation>
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
</TS>
