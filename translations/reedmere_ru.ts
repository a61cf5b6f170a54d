<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Aquadialog</name>
    <message>
        <source>Chart</source>
        <translation>График</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Экспорт CSV...</translation>
    </message>
    <message>
        <source>Journal page</source>
        <translation>Страница журнала</translation>
    </message>
    <message>
        <source>Export the journal</source>
        <translation>Экспорт журнала</translation>
    </message>
    <message>
        <source>Spreadsheet files (*.csv)</source>
        <translation>Файлы электронных таблиц (*.csv)</translation>
    </message>
    <message>
        <source>My tanks</source>
        <translation>Мои аквариумы</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>New...</source>
        <translation>Новый...</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Удалить...</translation>
    </message>
    <message>
        <source>Sell...</source>
        <translation>Продать...</translation>
    </message>
    <message>
        <source>Water change</source>
        <translation>Подмена воды</translation>
    </message>
    <message>
        <source>liters</source>
        <translation>л.</translation>
    </message>
</context>
<context>
    <name>Archivedial</name>
    <message>
        <source>Month</source>
        <translation>Месяц</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>Квартал</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Год</translation>
    </message>
    <message>
        <source>All period</source>
        <translation>Весь период</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Архив</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Archive by period:</source>
        <translation>Архив за период:</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>Nothing was changed.</source>
        <translation>Ничего не изменено.</translation>
    </message>
    <message>
        <source>Only the embedded database file can be backed up.</source>
        <translation>Резервную копию можно сделать только для встроенного файла базы данных.</translation>
    </message>
    <message>
        <source>The database is being written; try the backup again afterwards.</source>
        <translation>База данных сейчас записывается; повторите резервное копирование позже.</translation>
    </message>
    <message>
        <source>The backup %1 could not be written:
%2</source>
        <translation>Не удалось записать резервную копию %1:
%2</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Файл пуст.</translation>
    </message>
    <message>
        <source>The file is not a database backup of this program.</source>
        <translation>Файл не является резервной копией базы данных этой программы.</translation>
    </message>
    <message>
        <source>The file is damaged: %1</source>
        <translation>Файл повреждён: %1</translation>
    </message>
    <message>
        <source>The file does not hold the fifteen tables of this program.</source>
        <translation>В файле нет пятнадцати таблиц этой программы.</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; of the file has columns this program does not know.</source>
        <translation>В таблице &quot;%1&quot; файла есть столбцы, неизвестные этой программе.</translation>
    </message>
    <message>
        <source>The file cannot be read as a database: %1</source>
        <translation>Файл не читается как база данных: %1</translation>
    </message>
    <message>
        <source>Restore works on the embedded database file only; it is not available for the data source %1.</source>
        <translation>Восстановление работает только со встроенным файлом базы данных; для источника данных %1 оно недоступно.</translation>
    </message>
    <message>
        <source>The database is being written; try again afterwards.</source>
        <translation>База данных сейчас записывается; повторите позже.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Не удалось прочитать файл %1: %2</translation>
    </message>
    <message>
        <source>The current database could not be kept aside: %1</source>
        <translation>Не удалось сохранить текущую базу данных в стороне: %1</translation>
    </message>
    <message>
        <source>The backup could not be put in place: %1
The database is as it was.</source>
        <translation>Не удалось поставить резервную копию на место: %1
База данных осталась прежней.</translation>
    </message>
    <message>
        <source>The database was restored from %1.
The replaced database was kept as %2.</source>
        <translation>База данных восстановлена из %1.
Заменённая база сохранена как %2.</translation>
    </message>
</context>
<context>
    <name>CFishesApp</name>
    <message>
        <source>Load settings...</source>
        <translation>Загрузка настроек...</translation>
    </message>
    <message>
        <source>Failed to create empty document.</source>
        <translation>Не удалось создать пустой документ.</translation>
    </message>
    <message>
        <source>Read commercial data...</source>
        <translation>Чтение коммерческих данных...</translation>
    </message>
</context>
<context>
    <name>CFishesView</name>
    <message>
        <source>Inadmissible value!
Please set date in DD.MM.YYYY format!</source>
        <translation>Недопустимое значение!
Введите дату в виде ДД.ММ.ГГГГ!</translation>
    </message>
    <message>
        <source>Create main views...</source>
        <translation>Создание главных окон...</translation>
    </message>
</context>
<context>
    <name>CPictPlant</name>
    <message>
        <source>Diameter</source>
        <translation>Диаметр</translation>
    </message>
    <message>
        <source>Root length</source>
        <translation>Длина корня</translation>
    </message>
</context>
<context>
    <name>CPictures</name>
    <message>
        <source>Pictures</source>
        <translation>Рисунки</translation>
    </message>
    <message>
        <source>New...</source>
        <translation>Новый...</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Удалить...</translation>
    </message>
    <message>
        <source>Exhange with first</source>
        <translation>Поменять с первой</translation>
    </message>
    <message>
        <source>Bring to...</source>
        <translation>Перенести в...</translation>
    </message>
    <message>
        <source>Max length</source>
        <translation>Наибольшая длина</translation>
    </message>
    <message>
        <source>Select one or more pictures</source>
        <translation>Выберите один или несколько рисунков</translation>
    </message>
    <message>
        <source>Pictures (*.bmp *.gif *.jpg);;All Files (*)</source>
        <translation>Рисунки (*.bmp *.gif *.jpg);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Bring to females</source>
        <translation>Перенести к самкам</translation>
    </message>
    <message>
        <source>Bring to males</source>
        <translation>Перенести к самцам</translation>
    </message>
    <message>
        <source>Bring to sprouts</source>
        <translation>Перенести к проросткам</translation>
    </message>
    <message>
        <source>Bring to adults</source>
        <translation>Перенести к взрослым</translation>
    </message>
</context>
<context>
    <name>CPropPlant</name>
    <message>
        <source>Info</source>
        <translation>Сведения</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Рисунки</translation>
    </message>
    <message>
        <source>Stair</source>
        <translation>Лестница</translation>
    </message>
</context>
<context>
    <name>CProperties</name>
    <message>
        <source>Info about %1 %2</source>
        <translation>Сведения о %1 %2</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Сведения</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Рисунки</translation>
    </message>
    <message>
        <source>Stair</source>
        <translation>Лестница</translation>
    </message>
</context>
<context>
    <name>CSentdial</name>
    <message>
        <source>expenses</source>
        <translation>расходы</translation>
    </message>
    <message>
        <source>incomes</source>
        <translation>доходы</translation>
    </message>
    <message>
        <source>Add new</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Количество</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Примечание</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Цена</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новая запись</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
</context>
<context>
    <name>CStair</name>
    <message>
        <source>Male length = </source>
        <translation>Длина самца = </translation>
    </message>
    <message>
        <source>Female length = </source>
        <translation>Длина самки = </translation>
    </message>
    <message>
        <source>Juvenile length = </source>
        <translation>Длина подростка = </translation>
    </message>
    <message>
        <source>Fry length = </source>
        <translation>Длина малька = </translation>
    </message>
    <message>
        <source>Eggs size = </source>
        <translation>Размер икринки = </translation>
    </message>
    <message>
        <source>Saltiness = </source>
        <translation>Солёность = </translation>
    </message>
    <message>
        <source>Volume = </source>
        <translation>Объём = </translation>
    </message>
    <message>
        <source>Water changing: </source>
        <translation>Подмена воды: </translation>
    </message>
    <message>
        <source>Season: </source>
        <translation>Сезон: </translation>
    </message>
    <message>
        <source>Substrat: </source>
        <translation>Субстрат: </translation>
    </message>
    <message>
        <source>Push to spawning: </source>
        <translation>Стимул к нересту: </translation>
    </message>
    <message>
        <source>Water changing = </source>
        <translation>Подмена воды = </translation>
    </message>
    <message>
        <source> liters</source>
        <translation> л</translation>
    </message>
    <message>
        <source>Make all checked properties common for all subtaxomony</source>
        <translation>Сделать отмеченные свойства общими для всех подчинённых таксонов</translation>
    </message>
    <message>
        <source>Natural habitat</source>
        <translation>Природный ареал</translation>
    </message>
    <message>
        <source>Keep conditions</source>
        <translation>Условия содержания</translation>
    </message>
    <message>
        <source>Forage: </source>
        <translation>Корм: </translation>
    </message>
    <message>
        <source>Spawning conditions</source>
        <translation>Условия нереста</translation>
    </message>
    <message>
        <source>Starting forage for fries: </source>
        <translation>Стартовый корм для мальков: </translation>
    </message>
    <message>
        <source>Posterity</source>
        <translation>Потомство</translation>
    </message>
    <message>
        <source>Eggs quantity = </source>
        <translation>Количество икринок = </translation>
    </message>
    <message>
        <source>Term eggs-larvas = </source>
        <translation>Срок икра-личинки = </translation>
    </message>
    <message>
        <source> days</source>
        <translation> дн.</translation>
    </message>
    <message>
        <source>Larvas hatch = </source>
        <translation>Выход личинок = </translation>
    </message>
    <message>
        <source>Term larvas-fries = </source>
        <translation>Срок личинки-мальки = </translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Ссылки</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Участники</translation>
    </message>
    <message>
        <source>Humidity = </source>
        <translation>Влажность = </translation>
    </message>
    <message>
        <source>Lighting = </source>
        <translation>Освещённость = </translation>
    </message>
    <message>
        <source>Seeds = </source>
        <translation>Семена = </translation>
    </message>
    <message>
        <source>Reproduction: </source>
        <translation>Размножение: </translation>
    </message>
    <message>
        <source>Season = </source>
        <translation>Сезон = </translation>
    </message>
    <message>
        <source>Flowering term = </source>
        <translation>Срок цветения = </translation>
    </message>
    <message>
        <source>Seeds term = </source>
        <translation>Срок созревания семян = </translation>
    </message>
    <message>
        <source>Seeds germination = </source>
        <translation>Всхожесть семян = </translation>
    </message>
    <message>
        <source>Height = </source>
        <translation>Высота = </translation>
    </message>
    <message>
        <source>Diameter = </source>
        <translation>Диаметр = </translation>
    </message>
    <message>
        <source>Flower size = </source>
        <translation>Размер цветка = </translation>
    </message>
    <message>
        <source>Seed size = </source>
        <translation>Размер семени = </translation>
    </message>
    <message>
        <source>Sprout size = </source>
        <translation>Размер проростка = </translation>
    </message>
    <message>
        <source>Root: </source>
        <translation>Корень: </translation>
    </message>
    <message>
        <source>Check nessessary boxes and press button on bottom</source>
        <translation>Отметьте нужные свойства и нажмите кнопку внизу</translation>
    </message>
    <message>
        <source>Starting forage: </source>
        <translation>Стартовый корм: </translation>
    </message>
    <message>
        <source>Laravas_hatch = </source>
        <translation>Выход личинок = </translation>
    </message>
</context>
<context>
    <name>Descript</name>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Responsible member of Project support Committee</source>
        <translation>Ответственный участник комитета поддержки проекта</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Ссылки</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>Эл. почта</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Add new...</source>
        <translation>Добавить...</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Выбрать...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
</context>
<context>
    <name>Fishbreeder</name>
    <message>
        <source>Edit your name</source>
        <translation>Название вашей рыбофермы</translation>
    </message>
    <message>
        <source>Breeder&apos;s number:</source>
        <translation>Номер заводчика:</translation>
    </message>
</context>
<context>
    <name>Fishcatal</name>
    <message>
        <source>Stop Report!</source>
        <translation>Остановить отчёт!</translation>
    </message>
    <message>
        <source>&amp;Commands</source>
        <translation>&amp;Команды</translation>
    </message>
    <message>
        <source> (Default is </source>
        <translation> (по умолчанию </translation>
    </message>
    <message>
        <source>Fishes catalog</source>
        <translation>Каталог рыб</translation>
    </message>
    <message>
        <source>Select a name for your fish</source>
        <translation>Выберите название вашей рыбы</translation>
    </message>
    <message>
        <source>Precise a name for your fish</source>
        <translation>Уточните название вашей рыбы</translation>
    </message>
    <message>
        <source>Select a name for your crustacea</source>
        <translation>Выберите название вашего ракообразного</translation>
    </message>
    <message>
        <source>Precise a name for your crustacea</source>
        <translation>Уточните название вашего ракообразного</translation>
    </message>
    <message>
        <source>Select a name for your plant</source>
        <translation>Выберите название вашего растения</translation>
    </message>
    <message>
        <source>Precise a name for your plant</source>
        <translation>Уточните название вашего растения</translation>
    </message>
    <message>
        <source>Select a name for your fern</source>
        <translation>Выберите название вашего папоротника</translation>
    </message>
    <message>
        <source>Precise a name for your fern</source>
        <translation>Уточните название вашего папоротника</translation>
    </message>
    <message>
        <source>Select a name for your moss</source>
        <translation>Выберите название вашего мха</translation>
    </message>
    <message>
        <source>Precise a name for your moss</source>
        <translation>Уточните название вашего мха</translation>
    </message>
    <message>
        <source>Select a name for your fries</source>
        <translation>Выберите название ваших мальков</translation>
    </message>
    <message>
        <source>%1 catalog</source>
        <translation>Каталог: %1</translation>
    </message>
    <message>
        <source>Class %1</source>
        <translation>Класс %1</translation>
    </message>
</context>
<context>
    <name>Fishcatalconfig</name>
    <message>
        <source>High Taxonomy</source>
        <translation>Высшая систематика</translation>
    </message>
    <message>
        <source>New...</source>
        <translation>Новый...</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Изменить...</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Удалить...</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Настройка</translation>
    </message>
    <message>
        <source>Set to menu</source>
        <translation>Поместить в меню</translation>
    </message>
    <message>
        <source>Save config</source>
        <translation>Сохранить настройку</translation>
    </message>
</context>
<context>
    <name>Fishins</name>
    <message>
        <source>Fries</source>
        <translation>Мальки</translation>
    </message>
    <message>
        <source>Males</source>
        <translation>Самцы</translation>
    </message>
    <message>
        <source>Females</source>
        <translation>Самки</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Остаётся</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Gifted</source>
        <translation>Подарено</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Погибло</translation>
    </message>
    <message>
        <source>Sold</source>
        <translation>Продано</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новая запись</translation>
    </message>
    <message>
        <source>Transferred</source>
        <translation>Пересажено</translation>
    </message>
</context>
<context>
    <name>Genealdial</name>
    <message>
        <source>Genealogy</source>
        <translation>Родословная</translation>
    </message>
    <message>
        <source>Spawnings with</source>
        <translation>Нересты с участием</translation>
    </message>
</context>
<context>
    <name>HabitatGroup</name>
    <message>
        <source>Natural habitat</source>
        <translation>Природный ареал</translation>
    </message>
    <message>
        <source>Add -&gt;</source>
        <translation>Добавить -&gt;</translation>
    </message>
    <message>
        <source>Remove &lt;-</source>
        <translation>Убрать &lt;-</translation>
    </message>
    <message>
        <source>New...</source>
        <translation>Новый...</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Удалить...</translation>
    </message>
</context>
<context>
    <name>Incubdial</name>
    <message>
        <source>Incubator</source>
        <translation>Инкубатор</translation>
    </message>
    <message>
        <source>Appearance dates</source>
        <translation>Даты появления</translation>
    </message>
    <message>
        <source>Eggs</source>
        <translation>Икра</translation>
    </message>
    <message>
        <source>Larvas</source>
        <translation>Личинки</translation>
    </message>
    <message>
        <source>Eggs and larvas</source>
        <translation>Икра и личинки</translation>
    </message>
    <message>
        <source>Fries out</source>
        <translation>Выход мальков</translation>
    </message>
    <message>
        <source>Incubator </source>
        <translation>Инкубатор </translation>
    </message>
    <message>
        <source>In all</source>
        <translation>Всего</translation>
    </message>
    <message>
        <source>New...</source>
        <translation>Новый...</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Удалить...</translation>
    </message>
    <message>
        <source>Precise...</source>
        <translation>Уточнить...</translation>
    </message>
    <message>
        <source>Transfer...</source>
        <translation>Пересадить...</translation>
    </message>
    <message>
        <source>Destiny...</source>
        <translation>Судьба...</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Отчёт</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Архив</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Select father</source>
        <translation>Выберите отца</translation>
    </message>
    <message>
        <source>Select mother</source>
        <translation>Выберите мать</translation>
    </message>
</context>
<context>
    <name>JournalChart</name>
    <message>
        <source>No journal entries to draw.</source>
        <translation>В журнале нет записей для графика.</translation>
    </message>
    <message>
        <source>%1 safe</source>
        <translation>%1: безопасно</translation>
    </message>
    <message>
        <source>Water change</source>
        <translation>Подмена воды</translation>
    </message>
    <message>
        <source>Temperature for the species: %1 - %2 °C</source>
        <translation>Температура для видов: %1 - %2 °C</translation>
    </message>
    <message>
        <source>The species&apos; cards give ranges that do not meet.</source>
        <translation>Карточки видов дают непересекающиеся диапазоны.</translation>
    </message>
    <message>
        <source>Saltiness</source>
        <translation>Солёность</translation>
    </message>
    <message>
        <source>Redox</source>
        <translation>Redox</translation>
    </message>
    <message>
        <source>Ammonia</source>
        <translation>Аммоний</translation>
    </message>
    <message>
        <source>Nitrites</source>
        <translation>Нитриты</translation>
    </message>
    <message>
        <source>Nitrates</source>
        <translation>Нитраты</translation>
    </message>
    <message>
        <source>Phosphates</source>
        <translation>Фосфаты</translation>
    </message>
</context>
<context>
    <name>Myfish</name>
    <message>
        <source>Inadmissible value!
There should be even one %1!</source>
        <translation>Недопустимое значение!
Должен быть хотя бы один %1!</translation>
    </message>
    <message>
        <source>New fish...</source>
        <translation>Новая рыба...</translation>
    </message>
    <message>
        <source>New crustacea...</source>
        <translation>Новое ракообразное...</translation>
    </message>
    <message>
        <source>New dicotyle plantae...</source>
        <translation>Новое двудольное растение...</translation>
    </message>
    <message>
        <source>New monocotyle plantae...</source>
        <translation>Новое однодольное растение...</translation>
    </message>
    <message>
        <source>New fern...</source>
        <translation>Новый папоротник...</translation>
    </message>
    <message>
        <source>New moss...</source>
        <translation>Новый мох...</translation>
    </message>
    <message>
        <source>fishes in:</source>
        <translation>рыбы в:</translation>
    </message>
    <message>
        <source>Fries</source>
        <translation>Мальки</translation>
    </message>
    <message>
        <source>Males</source>
        <translation>Самцы</translation>
    </message>
    <message>
        <source>Females</source>
        <translation>Самки</translation>
    </message>
    <message>
        <source>First eat</source>
        <translation>Первое кормление</translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation>Прибытие</translation>
    </message>
    <message>
        <source>Died</source>
        <translation>Погибло</translation>
    </message>
    <message>
        <source>Gifted</source>
        <translation>Подарено</translation>
    </message>
    <message>
        <source>Saled</source>
        <translation>Продано</translation>
    </message>
    <message>
        <source>Died on</source>
        <translation>Дата гибели</translation>
    </message>
    <message>
        <source>Gifted on</source>
        <translation>Дата подарка</translation>
    </message>
    <message>
        <source>Sold on</source>
        <translation>Дата продажи</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Доход</translation>
    </message>
    <message>
        <source>Outgo</source>
        <translation>Расход</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Цена</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Место</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Прочее</translation>
    </message>
    <message>
        <source>For sale</source>
        <translation>На продажу</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Father and mother</source>
        <translation>Отец и мать</translation>
    </message>
    <message>
        <source>New...</source>
        <translation>Новый...</translation>
    </message>
    <message>
        <source>Separation...</source>
        <translation>Разделить...</translation>
    </message>
    <message>
        <source>Transfer...</source>
        <translation>Пересадить...</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Удалить...</translation>
    </message>
    <message>
        <source>Precise...</source>
        <translation>Уточнить...</translation>
    </message>
    <message>
        <source>Spawnings...</source>
        <translation>Нересты...</translation>
    </message>
    <message>
        <source>Genealogy...</source>
        <translation>Родословная...</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Отчёт</translation>
    </message>
    <message>
        <source>Sell...</source>
        <translation>Продать...</translation>
    </message>
    <message>
        <source>Kill...</source>
        <translation>Списать...</translation>
    </message>
    <message>
        <source>Gift...</source>
        <translation>Подарить...</translation>
    </message>
    <message>
        <source>Price...</source>
        <translation>Цена...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>New algae...</source>
        <translation>Новая водоросль...</translation>
    </message>
    <message>
        <source>New mollusc...</source>
        <translation>Новый моллюск...</translation>
    </message>
    <message>
        <source>fry</source>
        <translation>малёк</translation>
    </message>
    <message>
        <source>male</source>
        <translation>самец</translation>
    </message>
    <message>
        <source>female</source>
        <translation>самка</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Архив</translation>
    </message>
    <message>
        <source>All with archive</source>
        <translation>Все с архивом</translation>
    </message>
    <message>
        <source>Fish price (centes)</source>
        <translation>Цена рыбы (центы)</translation>
    </message>
    <message>
        <source>Your fries have gone to this tank</source>
        <translation>Ваши мальки переселились в этот аквариум</translation>
    </message>
    <message>
        <source>My fishes</source>
        <translation>Мои рыбы</translation>
    </message>
</context>
<context>
    <name>New_fish</name>
    <message>
        <source>Latin name</source>
        <translation>Латинское название</translation>
    </message>
    <message>
        <source>Common name</source>
        <translation>Обиходное название</translation>
    </message>
    <message>
        <source>Descripted by</source>
        <translation>Описан</translation>
    </message>
    <message>
        <source>at (year)</source>
        <translation>в (год)</translation>
    </message>
</context>
<context>
    <name>Plandial</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Spawnings of last month</source>
        <translation>Нересты прошлого месяца</translation>
    </message>
</context>
<context>
    <name>Pricedlg</name>
    <message>
        <source>Fries (F)</source>
        <translation>Мальки (F)</translation>
    </message>
    <message>
        <source>Large fries (FJ)</source>
        <translation>Крупные мальки (FJ)</translation>
    </message>
    <message>
        <source>Juveniles (J)</source>
        <translation>Подростки (J)</translation>
    </message>
    <message>
        <source>Matured juv-s (JA)</source>
        <translation>Подросшие (JA)</translation>
    </message>
    <message>
        <source>Adults (A)</source>
        <translation>Взрослые (A)</translation>
    </message>
    <message>
        <source>Price for</source>
        <translation>Цена на</translation>
    </message>
    <message>
        <source>Size, mm</source>
        <translation>Размер, мм</translation>
    </message>
    <message>
        <source>Price, centes</source>
        <translation>Цена, центы</translation>
    </message>
    <message>
        <source>Wholesale, centes</source>
        <translation>Оптом, центы</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Reed Mere backups (*%1)</source>
        <translation>Резервные копии Reed Mere (*%1)</translation>
    </message>
    <message>
        <source>Backup and restore work on the embedded database file only.
They are not available for the data source %1: use the tools of its database engine.</source>
        <translation>Резервное копирование и восстановление работают только со встроенным файлом базы данных.
Для источника данных %1 они недоступны: пользуйтесь средствами его СУБД.</translation>
    </message>
    <message>
        <source>Back up</source>
        <translation>Резервная копия</translation>
    </message>
    <message>
        <source>The database and the settings were saved in %1</source>
        <translation>База данных и настройки сохранены в %1</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановление</translation>
    </message>
    <message>
        <source>on</source>
        <translation>включено</translation>
    </message>
    <message>
        <source>off</source>
        <translation>выключено</translation>
    </message>
    <message>
        <source>Weekly backups into the data folder are %1 (the last %2 are kept).
Back up the database once a week?</source>
        <translation>Еженедельное копирование в папку данных %1 (хранятся последние %2).
Копировать базу данных раз в неделю?</translation>
    </message>
    <message>
        <source>The weekly backup could not be written: %1</source>
        <translation>Не удалось записать еженедельную копию: %1</translation>
    </message>
    <message>
        <source>Spreadsheet files (*.csv)</source>
        <translation>Файлы электронных таблиц (*.csv)</translation>
    </message>
    <message>
        <source>%1 rows written to %2</source>
        <translation>%1 строк записано в %2</translation>
    </message>
    <message>
        <source>Export lots</source>
        <translation>Экспорт партий</translation>
    </message>
    <message>
        <source>Export expenses of the period</source>
        <translation>Экспорт расходов за период</translation>
    </message>
    <message>
        <source>Export business report</source>
        <translation>Экспорт бизнес-отчёта</translation>
    </message>
    <message>
        <source>Inadmissible value!
Please type a decimal number, such as 6.8 or 6,8!</source>
        <translation>Недопустимое значение!
Введите десятичное число, например 6.8 или 6,8!</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
</context>
<context>
    <name>References</name>
    <message>
        <source>Links</source>
        <translation>Ссылки</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>Эл. почта</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
</context>
<context>
    <name>SettingsCommands</name>
    <message>
        <source>No rate is kept for Euro: Euro amounts are taken at par with USD.</source>
        <translation>Для евро курс не хранится: суммы в евро считаются равными суммам в долларах США.</translation>
    </message>
    <message>
        <source>Enter rate of USD</source>
        <translation>Введите курс доллара США</translation>
    </message>
    <message>
        <source>Name for tank with null-volume</source>
        <translation>Название аквариума нулевого объёма</translation>
    </message>
</context>
<context>
    <name>SpecFish</name>
    <message>
        <source>saltiness, ‰=</source>
        <translation>солёность, ‰=</translation>
    </message>
    <message>
        <source>min volume=</source>
        <translation>мин. объём=</translation>
    </message>
    <message>
        <source>Keeping conditions</source>
        <translation>Условия содержания</translation>
    </message>
    <message>
        <source>periodicity of water changing:</source>
        <translation>периодичность подмены воды:</translation>
    </message>
    <message>
        <source>food:</source>
        <translation>корм:</translation>
    </message>
    <message>
        <source>Spawning conditions</source>
        <translation>Условия нереста</translation>
    </message>
    <message>
        <source>season:</source>
        <translation>сезон:</translation>
    </message>
    <message>
        <source>substrat:</source>
        <translation>субстрат:</translation>
    </message>
    <message>
        <source>push to spawning:</source>
        <translation>стимул к нересту:</translation>
    </message>
    <message>
        <source>first food for fries:</source>
        <translation>первый корм мальков:</translation>
    </message>
    <message>
        <source>Posterity</source>
        <translation>Потомство</translation>
    </message>
    <message>
        <source>eggs quantity:</source>
        <translation>количество икринок:</translation>
    </message>
    <message>
        <source>term eggs-larvas, days:</source>
        <translation>срок икра-личинки, дней:</translation>
    </message>
    <message>
        <source>larvas hatch, % from eggs:</source>
        <translation>выход личинок, % от икры:</translation>
    </message>
    <message>
        <source>term larvas-fries, days:</source>
        <translation>срок личинки-мальки, дней:</translation>
    </message>
</context>
<context>
    <name>SpecPlant</name>
    <message>
        <source>Spores</source>
        <translation>Споры</translation>
    </message>
    <message>
        <source>Vegatative</source>
        <translation>Вегетативное</translation>
    </message>
    <message>
        <source>Seeds</source>
        <translation>Семена</translation>
    </message>
    <message>
        <source>Rhizome</source>
        <translation>Корневище</translation>
    </message>
    <message>
        <source>Caulescent layers</source>
        <translation>Стеблевые отводки</translation>
    </message>
    <message>
        <source>Keeping conditions</source>
        <translation>Условия содержания</translation>
    </message>
    <message>
        <source>humidity, %=</source>
        <translation>влажность, %=</translation>
    </message>
    <message>
        <source>lighting, lk=</source>
        <translation>освещённость, лк=</translation>
    </message>
    <message>
        <source>saltiness, ‰=</source>
        <translation>солёность, ‰=</translation>
    </message>
    <message>
        <source>flowering term, days</source>
        <translation>срок цветения, дней</translation>
    </message>
    <message>
        <source>sprouts hatch, % from seeds</source>
        <translation>всхожесть, % от семян</translation>
    </message>
    <message>
        <source>season of reproduction:</source>
        <translation>сезон размножения:</translation>
    </message>
    <message>
        <source>Posterity</source>
        <translation>Потомство</translation>
    </message>
    <message>
        <source>number of seeds</source>
        <translation>число семян</translation>
    </message>
    <message>
        <source>sprouting term, days</source>
        <translation>срок прорастания, дней</translation>
    </message>
    <message>
        <source>Reproduction</source>
        <translation>Размножение</translation>
    </message>
    <message>
        <source>methods:</source>
        <translation>способы:</translation>
    </message>
    <message>
        <source>substrat</source>
        <translation>субстрат</translation>
    </message>
</context>
<context>
    <name>Synlist</name>
    <message>
        <source>New...</source>
        <translation>Новый...</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Изменить...</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Удалить...</translation>
    </message>
    <message>
        <source>List of synonyms</source>
        <translation>Список синонимов</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Synonyms for </source>
        <translation>Синонимы для </translation>
    </message>
</context>
<context>
    <name>TOdial</name>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>belongs to:</source>
        <translation>относится к:</translation>
    </message>
    <message>
        <source>Changing of taxon </source>
        <translation>Изменение таксона </translation>
    </message>
</context>
<context>
    <name>Whatdial</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>How many fries have survived?</source>
        <translation>Сколько мальков выжило?</translation>
    </message>
    <message>
        <source>Are there bad parents?</source>
        <translation>Родители плохие?</translation>
    </message>
</context>
<context>
    <name>Workdir</name>
    <message>
        <source>Work directories</source>
        <translation>Рабочие каталоги</translation>
    </message>
    <message>
        <source>Path to Project on HDD</source>
        <translation>Путь к проекту на диске</translation>
    </message>
    <message>
        <source>CDdrive</source>
        <translation>Привод CD</translation>
    </message>
    <message>
        <source>Address of WWW-server</source>
        <translation>Адрес WWW-сервера</translation>
    </message>
    <message>
        <source>Address of FTP-server</source>
        <translation>Адрес FTP-сервера</translation>
    </message>
    <message>
        <source>FTP login</source>
        <translation>Имя пользователя FTP</translation>
    </message>
    <message>
        <source>FTP password</source>
        <translation>Пароль FTP</translation>
    </message>
</context>
<context>
    <name>app::MainCommands</name>
    <message>
        <source>Unrecognized exception error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
</context>
</TS>
