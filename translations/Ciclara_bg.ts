<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg_BG">
<context>
    <name>CycleGridModel</name>
    <message>
        <source>Start date</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Cycle length</source>
        <translation>Дължина</translation>
    </message>
</context>
<context>
    <name>CycleScreens</name>
    <message>
        <source>This cycle cannot be displayed</source>
        <translation>Цикълът не може да се покаже</translation>
    </message>
    <message>
        <source>Welcome to Ciclara!</source>
        <translation>Добре дошли!</translation>
    </message>
    <message>
        <source>No cycles entered yet</source>
        <translation>Няма цикли</translation>
    </message>
    <message>
        <source>Press &quot;Add Cycle&quot; on the toolbar and enter the first day of your last period.</source>
        <translation>Натиснете „Нов цикъл“ и въведете първия ден на последния мензис.</translation>
    </message>
    <message>
        <source>Only cycles of 15 to 39 days can be drawn. This one is still listed in the table.</source>
        <translation>Могат да се изобразят само цикли от 15 до 39 дни. Този цикъл остава в таблицата.</translation>
    </message>
    <message>
        <source>Add yourself as a user in the Main menu, then add your first cycle.</source>
        <translation>Добавете се като потребител от меню „Главно“, после въведете първия си цикъл.</translation>
    </message>
    <message>
        <source>Please enter the cycle length as a number of days from 1 to 65535.</source>
        <translation>Моля, въведете дължината на цикъла като брой дни от 1 до 65535.</translation>
    </message>
</context>
<context>
    <name>Cycles</name>
    <message>
        <source>The cycle could not be stored:
%1</source>
        <translation>Цикълът не можа да бъде записан:
%1</translation>
    </message>
    <message>
        <source>The cycle cannot be stored: it would lie more than %1 days from its neighbour.</source>
        <translation>Цикълът не може да бъде записан: ще отстои на повече от %1 дни от съседния.</translation>
    </message>
    <message>
        <source>The cycle could not be deleted:
%1</source>
        <translation>Цикълът не можа да бъде изтрит:
%1</translation>
    </message>
    <message>
        <source>The cycle cannot be deleted: the cycle before it would become longer than %1 days.</source>
        <translation>Цикълът не може да бъде изтрит: предишният цикъл би станал по-дълъг от %1 дни.</translation>
    </message>
    <message>
        <source>The cycles could not be deleted:
%1</source>
        <translation>Циклите не можаха да бъдат изтрити:
%1</translation>
    </message>
    <message>
        <source>The cycle table could not be opened again:
%1</source>
        <translation>Таблицата с циклите не можа да бъде отворена отново:
%1</translation>
    </message>
</context>
<context>
    <name>StockPictures</name>
    <message>
        <source>Displays start date, end date
and duration of the bleeding period</source>
        <translation>Показва началната и крайната дата
и продължителността на менструацията</translation>
    </message>
    <message>
        <source>Displays start date, end date
and duration of the ovulation</source>
        <translation>Показва началната и крайната дата
и продължителността на овулацията</translation>
    </message>
    <message>
        <source>Indicates the overlapped days
 from the month when
the cycle starts</source>
        <translation>Отбелязва застъпените дни
 от месеца, в който
започва цикълът</translation>
    </message>
    <message>
        <source>Indicates the overlapped days
from the month when
the cycle ends</source>
        <translation>Отбелязва застъпените дни
от месеца, в който
завършва цикълът</translation>
    </message>
    <message>
        <source>Displays days ruler</source>
        <translation>Показва линийката на дните</translation>
    </message>
    <message>
        <source>Points current day</source>
        <translation>Посочва текущия ден</translation>
    </message>
    <message>
        <source>|Displays records by month and cycle, including start and end date, as well as length of cycle, period and ovulation.</source>
        <translation>|Показва записите по месеци и цикли с началната и крайната дата, както и дължината на цикъла, менструацията и овулацията.</translation>
    </message>
</context>
<context>
    <name>TAddNewCycleForm</name>
    <message>
        <source>Add new cycle</source>
        <translation>Добавяне на нов цикъл</translation>
    </message>
    <message>
        <source>|Use this window to add new cycle</source>
        <translation>|В този прозорец се добавя нов цикъл</translation>
    </message>
    <message>
        <source>Start date : </source>
        <translation>Начална дата: </translation>
    </message>
    <message>
        <source>|Start date of the new cycle</source>
        <translation>|Началната дата на новия цикъл</translation>
    </message>
    <message>
        <source>End date : </source>
        <translation>Крайна дата: </translation>
    </message>
    <message>
        <source>|End date of the new cycle</source>
        <translation>|Крайната дата на новия цикъл</translation>
    </message>
    <message>
        <source>&amp;Period length</source>
        <translation>&amp;Менструация (дни)</translation>
    </message>
    <message>
        <source>|Period length in days</source>
        <translation>|Продължителност на менструацията в дни</translation>
    </message>
    <message>
        <source>Presumed &amp;cycle length</source>
        <translation>Очакван &amp;цикъл (дни)</translation>
    </message>
    <message>
        <source>|Presumed cycle length </source>
        <translation>|Очаквана дължина на цикъла в дни </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тказ</translation>
    </message>
</context>
<context>
    <name>TChangeUserForm</name>
    <message>
        <source>Change User</source>
        <translation>Смяна на потребител</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Потребител</translation>
    </message>
    <message>
        <source>Choose User from dropdown list</source>
        <translation>Изберете потребител от падащия списък</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Парола</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Въведете паролата</translation>
    </message>
    <message>
        <source>Save my password</source>
        <translation>Запомни паролата ми</translation>
    </message>
    <message>
        <source>Check box if you want Ciclara to remember your password</source>
        <translation>Отметнете, ако искате Ciclara да запомни паролата ви</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel </source>
        <translation>Отказ </translation>
    </message>
</context>
<context>
    <name>TCiclaraMainForm</name>
    <message>
        <source>Info :</source>
        <translation>Информация:</translation>
    </message>
    <message>
        <source>&amp;Main</source>
        <translation>&amp;Главно</translation>
    </message>
    <message>
        <source>&amp;Change active User</source>
        <translation>&amp;Смяна на активния потребител</translation>
    </message>
    <message>
        <source>|Displays Change active User dialog</source>
        <translation>|Показва прозореца за смяна на активния потребител</translation>
    </message>
    <message>
        <source>&amp;Administrate Users</source>
        <translation>&amp;Управление на потребителите</translation>
    </message>
    <message>
        <source>|Displays Administrate Users dialog - add, delete, edit user information and password.</source>
        <translation>|Показва прозореца за управление на потребителите – добавяне, изтриване, промяна на данните и паролата на потребител.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Из&amp;ход</translation>
    </message>
    <message>
        <source>|Exits Ciclara</source>
        <translation>|Затваря Ciclara</translation>
    </message>
    <message>
        <source>&amp;Cycle</source>
        <translation>&amp;Цикъл</translation>
    </message>
    <message>
        <source>Cycle view</source>
        <translation>Преглед на циклите</translation>
    </message>
    <message>
        <source>|Displays Cycle View screen</source>
        <translation>|Показва екрана за преглед на циклите</translation>
    </message>
    <message>
        <source>Add cycle</source>
        <translation>Добавяне на цикъл</translation>
    </message>
    <message>
        <source>|Displays Add new cycle window</source>
        <translation>|Показва прозореца за добавяне на нов цикъл</translation>
    </message>
    <message>
        <source>Cycle chart</source>
        <translation>Диаграма на циклите</translation>
    </message>
    <message>
        <source>|Displays Cycle Chart screen</source>
        <translation>|Показва екрана с диаграмата на циклите</translation>
    </message>
    <message>
        <source>&amp;Temperature</source>
        <translation>&amp;Температура</translation>
    </message>
    <message>
        <source>Temperature view</source>
        <translation>Преглед на температурите</translation>
    </message>
    <message>
        <source>|Displays Temperature View screen</source>
        <translation>|Показва екрана за преглед на температурите</translation>
    </message>
    <message>
        <source>Add temperature</source>
        <translation>Добавяне на температура</translation>
    </message>
    <message>
        <source>|Displays Add Temperature window</source>
        <translation>|Показва прозореца за добавяне на температура</translation>
    </message>
    <message>
        <source>Temperature chart</source>
        <translation>Температурна крива</translation>
    </message>
    <message>
        <source>|Displays Temperature Chart screen</source>
        <translation>|Показва екрана с температурната крива</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Инструменти</translation>
    </message>
    <message>
        <source>Prediction</source>
        <translation>Прогноза</translation>
    </message>
    <message>
        <source>|Displays Prediction screen</source>
        <translation>|Показва екрана за прогноза на циклите</translation>
    </message>
    <message>
        <source>&amp;Schedule</source>
        <translation>&amp;Дневник</translation>
    </message>
    <message>
        <source>|Displays Schedule edit screen</source>
        <translation>|Показва екрана за попълване на дневника</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>|Displays Options screen</source>
        <translation>|Показва прозореца с настройките</translation>
    </message>
    <message>
        <source>Calculate ideal weight/height</source>
        <translation>Изчисляване на идеално тегло/ръст</translation>
    </message>
    <message>
        <source>Export to &amp;Excel</source>
        <translation>Експорт в &amp;Excel</translation>
    </message>
    <message>
        <source>|Exports data to Microsoft Excel</source>
        <translation>|Експортира данните в Microsoft Excel</translation>
    </message>
    <message>
        <source>Export to &amp;Word</source>
        <translation>Експорт в &amp;Word</translation>
    </message>
    <message>
        <source>|Exports data to Microsoft Word</source>
        <translation>|Експортира данните в Microsoft Word</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Помощ</translation>
    </message>
    <message>
        <source>Ciclara &amp;Help</source>
        <translation>&amp;Помощ за Ciclara</translation>
    </message>
    <message>
        <source>|Displays Help topics</source>
        <translation>|Показва темите на помощта</translation>
    </message>
    <message>
        <source>Ciclara H&amp;ome page</source>
        <translation>&amp;Уебсайт на Ciclara</translation>
    </message>
    <message>
        <source>|Navigates to home page</source>
        <translation>|Отваря уебсайта на програмата</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;За програмата</translation>
    </message>
    <message>
        <source>|Displays information about the program</source>
        <translation>|Показва информация за програмата</translation>
    </message>
    <message>
        <source>Cycle View</source>
        <translation>Цикли</translation>
    </message>
    <message>
        <source>Add Cycle</source>
        <translation>Нов цикъл</translation>
    </message>
    <message>
        <source>Cycle Chart</source>
        <translation>Диаграма</translation>
    </message>
    <message>
        <source>Temp View</source>
        <translation>Температ.</translation>
    </message>
    <message>
        <source>Add Temp</source>
        <translation>Нова т°</translation>
    </message>
    <message>
        <source>Temp Chart</source>
        <translation>Т° крива</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Дневник</translation>
    </message>
    <message>
        <source>The cycle table %1 cannot be opened:
%2</source>
        <translation>Таблицата с циклите %1 не може да бъде отворена:
%2</translation>
    </message>
    <message>
        <source>The cycle table %1 is damaged:
%2</source>
        <translation>Таблицата с циклите %1 е повредена:
%2</translation>
    </message>
    <message>
        <source>The cycle table of %1 is not open, so no cycle can be added.</source>
        <translation>Таблицата с циклите на %1 не е отворена, затова не може да се добави цикъл.</translation>
    </message>
</context>
<context>
    <name>TCiclaraMessageForm</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Не</translation>
    </message>
</context>
<context>
    <name>TCiclaraView</name>
    <message>
        <source>Period %s days</source>
        <translation>Менструация %s дни</translation>
    </message>
    <message>
        <source>Ovulation</source>
        <translation>Овулация</translation>
    </message>
</context>
<context>
    <name>TCycleViewForm</name>
    <message>
        <source>|Use this window to view cycle records</source>
        <translation>|В този прозорец се преглеждат записите на циклите</translation>
    </message>
    <message>
        <source>Delete current cycle</source>
        <translation>Изтрий цикъла</translation>
    </message>
    <message>
        <source>|Deletes selected cycle</source>
        <translation>|Изтрива избрания цикъл</translation>
    </message>
    <message>
        <source>Prev cycle</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>|Moves to previous cycle record</source>
        <translation>|Преминава към предишния цикъл</translation>
    </message>
    <message>
        <source>Next cycle</source>
        <translation>Напред</translation>
    </message>
    <message>
        <source>|Moves to next cycle record</source>
        <translation>|Преминава към следващия цикъл</translation>
    </message>
    <message>
        <source>Delete all cycles      </source>
        <translation>Изтрий всички      </translation>
    </message>
    <message>
        <source>|Deletes all cycle data</source>
        <translation>|Изтрива всички данни за циклите</translation>
    </message>
    <message>
        <source>|Displays all cycle reords by start date and cycle records</source>
        <translation>|Показва всички цикли с началната им дата и дължината им</translation>
    </message>
</context>
<context>
    <name>THotSincingForm</name>
    <message>
        <source>Ciclara Error</source>
        <translation>Грешка в Ciclara</translation>
    </message>
    <message>
        <source>Resources</source>
        <translation>Ресурси</translation>
    </message>
    <message>
        <source>Temperature in C°:</source>
        <translation>Температура в °C:</translation>
    </message>
    <message>
        <source>Temperature in F°:</source>
        <translation>Температура в °F:</translation>
    </message>
    <message>
        <source>Cycle chart</source>
        <translation>Диаграма на циклите</translation>
    </message>
    <message>
        <source>Average cycle Length = %s days</source>
        <translation>Средна дължина на цикъла = %s дни</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Cycle length</source>
        <translation>Дължина</translation>
    </message>
    <message>
        <source>The last active user %s has been deleted anomalously.
Ciclara will recreate it again.</source>
        <translation>Последният активен потребител %s е бил изтрит неочаквано.
Ciclara ще го създаде отново.</translation>
    </message>
    <message>
        <source>Cycle with the same Start date already exists.</source>
        <translation>Вече има цикъл със същата начална дата.</translation>
    </message>
    <message>
        <source>Temperature with the same date already exists.</source>
        <translation>Вече има температура със същата дата.</translation>
    </message>
    <message>
        <source>Check if %s is installed.</source>
        <translation>Проверете дали %s е инсталиран.</translation>
    </message>
    <message>
        <source>Enter your name first!</source>
        <translation>Първо въведете името си!</translation>
    </message>
    <message>
        <source>Wrong password! Please retype it again.</source>
        <translation>Грешна парола! Моля, въведете я отново.</translation>
    </message>
    <message>
        <source>Wrong password. Try again.</source>
        <translation>Грешна парола. Опитайте отново.</translation>
    </message>
    <message>
        <source>The %s already exists.
Please choose another name.</source>
        <translation>Потребителят %s вече съществува.
Моля, изберете друго име.</translation>
    </message>
    <message>
        <source>Error occured while trying to change user.</source>
        <translation>Възникна грешка при смяната на потребителя.</translation>
    </message>
    <message>
        <source>You cannot delete active user.</source>
        <translation>Не можете да изтриете активния потребител.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %s?</source>
        <translation>Сигурни ли сте, че искате да изтриете %s?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete current cycle?</source>
        <translation>Сигурни ли сте, че искате да изтриете текущия цикъл?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear current day?</source>
        <translation>Сигурни ли сте, че искате да изчистите текущия ден?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear whole month?</source>
        <translation>Сигурни ли сте, че искате да изчистите целия месец?</translation>
    </message>
    <message>
        <source>Are you realy sure you want to delete All cycles?</source>
        <translation>Наистина ли сте сигурни, че искате да изтриете ВСИЧКИ цикли?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete current temperature?</source>
        <translation>Сигурни ли сте, че искате да изтриете текущата температура?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all temperatures?</source>
        <translation>Сигурни ли сте, че искате да изтриете всички температури?</translation>
    </message>
    <message>
        <source>Do you want to add date %s as new cycle?</source>
        <translation>Искате ли да добавите датата %s като нов цикъл?</translation>
    </message>
    <message>
        <source>A User name cannot contain any of the following charecters:
\ / : * ? &quot; &lt; &gt; | </source>
        <translation>Потребителското име не може да съдържа нито един от следните знаци:
\ / : * ? &quot; &lt; &gt; | </translation>
    </message>
    <message>
        <source>Loading users database...</source>
        <translation>Зареждане на базата с потребители...</translation>
    </message>
    <message>
        <source>Running Ciclara...</source>
        <translation>Стартиране на Ciclara...</translation>
    </message>
    <message>
        <source>Period %s days</source>
        <translation>Менструация %s дни</translation>
    </message>
    <message>
        <source>Ovulation</source>
        <translation>Овулация</translation>
    </message>
    <message>
        <source>Predicted days</source>
        <translation>Прогноза</translation>
    </message>
    <message>
        <source>Temperature C°</source>
        <translation>Температура °C</translation>
    </message>
    <message>
        <source>Temperature chart</source>
        <translation>Температурна крива</translation>
    </message>
    <message>
        <source>Cycle History</source>
        <translation>История на циклите</translation>
    </message>
    <message>
        <source>Start Date</source>
        <translation>Начална дата</translation>
    </message>
    <message>
        <source>Period Length</source>
        <translation>Дължина на менструацията</translation>
    </message>
    <message>
        <source>Cycle Length</source>
        <translation>Дължина на цикъла</translation>
    </message>
    <message>
        <source>Temperature History</source>
        <translation>История на температурите</translation>
    </message>
    <message>
        <source>Schedule History</source>
        <translation>История на дневника</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Bleeding</source>
        <translation>Кървене</translation>
    </message>
    <message>
        <source>Pill time</source>
        <translation>Час на хапчето</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Бележка</translation>
    </message>
    <message>
        <source>Heavy</source>
        <translation>Обилно</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Нормално</translation>
    </message>
    <message>
        <source>Slightly</source>
        <translation>Слабо</translation>
    </message>
    <message>
        <source>Ciclara Information</source>
        <translation>Информация от Ciclara</translation>
    </message>
    <message>
        <source>Ciclara Confirmation</source>
        <translation>Потвърждение от Ciclara</translation>
    </message>
    <message>
        <source>Edit user</source>
        <translation>Промяна на потребител</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Нова парола</translation>
    </message>
    <message>
        <source>Retype new password</source>
        <translation>Повторете новата парола</translation>
    </message>
    <message>
        <source>Add new User</source>
        <translation>Добавяне на нов потребител</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Парола</translation>
    </message>
    <message>
        <source>Retype password</source>
        <translation>Повторете паролата</translation>
    </message>
    <message>
        <source>The period length must be half or less than cycle length.</source>
        <translation>Дължината на менструацията трябва да е най-много половината от дължината на цикъла.</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>тегло</translation>
    </message>
    <message>
        <source>height</source>
        <translation>ръст</translation>
    </message>
    <message>
        <source>Calcualate your ideal height on the base of your weight!</source>
        <translation>Изчислете идеалния си ръст според теглото си!</translation>
    </message>
    <message>
        <source>Calcualate your ideal weight on the base of your height!</source>
        <translation>Изчислете идеалното си тегло според ръста си!</translation>
    </message>
    <message>
        <source>Your ideal weight, given a height of %f %s, shoud be %.1f %s.</source>
        <translation>При ръст %f %s идеалното ви тегло е %.1f %s.</translation>
    </message>
    <message>
        <source>Your ideal height, given a weight of %.1f %s, shoud be %.2f %s.</source>
        <translation>При тегло %.1f %s идеалният ви ръст е %.2f %s.</translation>
    </message>
    <message>
        <source>Height must be more than %.2f %s</source>
        <translation>Ръстът трябва да е повече от %.2f %s</translation>
    </message>
    <message>
        <source>Heigth must be less then %.2f %s</source>
        <translation>Ръстът трябва да е по-малко от %.2f %s</translation>
    </message>
    <message>
        <source>Weigth must be more then %.2f %s</source>
        <translation>Теглото трябва да е повече от %.2f %s</translation>
    </message>
    <message>
        <source>Weigth must be less then %.2f %s</source>
        <translation>Теглото трябва да е по-малко от %.2f %s</translation>
    </message>
    <message>
        <source>Temperature °F</source>
        <translation>Температура °F</translation>
    </message>
</context>
<context>
    <name>TLanguageChoiceForm</name>
    <message>
        <source>Language choice</source>
        <translation>Избор на език</translation>
    </message>
    <message>
        <source>Please, choose the desired language for the program:</source>
        <translation>Моля, изберете езика на програмата:</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Български</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Английски</translation>
    </message>
    <message>
        <source>Your video adapter works in 8bits color depth.</source>
        <translation>Видеоадаптерът ви работи с 8-битова дълбочина на цвета.</translation>
    </message>
    <message>
        <source>To use the full program capabilities, you ought to change the depth to more than 8bits colors.</source>
        <translation>За да използвате всички възможности на програмата, увеличете дълбочината на цвета над 8 бита.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ciclera message</source>
        <translation>Съобщение от Ciclara</translation>
    </message>
</context>
<context>
    <name>TLogoForm</name>
    <message>
        <source>Ciclara</source>
        <translation>Ciclara</translation>
    </message>
    <message>
        <source>Cycle and temperature diary</source>
        <translation>Дневник на цикъла и температурата</translation>
    </message>
    <message>
        <source>Initializing...</source>
        <translation>Подготовка...</translation>
    </message>
</context>
<context>
    <name>TNewUserForm</name>
    <message>
        <source>Use this window to enter new user information</source>
        <translation>В този прозорец се въвеждат данните на новия потребител</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Име</translation>
    </message>
    <message>
        <source>Save my password</source>
        <translation>Запомни паролата ми</translation>
    </message>
    <message>
        <source>Check box if you want Ciclara to remember your password</source>
        <translation>Отметнете, ако искате Ciclara да запомни паролата ви</translation>
    </message>
    <message>
        <source>User has full rights</source>
        <translation>Потребителят има пълни права</translation>
    </message>
    <message>
        <source>Check box if you want User to have full rights - add, delete, edit user information.</source>
        <translation>Отметнете, ако искате потребителят да има пълни права – да добавя, изтрива и променя данни на потребители.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
</context>
<context>
    <name>TNiceCalendar</name>
    <message>
        <source>Date : </source>
        <translation>Дата: </translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Предишна година</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Предишен месец</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Следващ месец</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Следваща година</translation>
    </message>
</context>
<context>
    <name>TPredictionForm</name>
    <message>
        <source>Prediction</source>
        <translation>Прогноза</translation>
    </message>
    <message>
        <source>|Use this window to predict cycle start dates </source>
        <translation>|В този прозорец се прогнозират началните дати на циклите </translation>
    </message>
    <message>
        <source>Start date : </source>
        <translation>Начална дата: </translation>
    </message>
    <message>
        <source>|Start date of the Prediction time period</source>
        <translation>|Началната дата на периода за прогноза</translation>
    </message>
    <message>
        <source>End date : </source>
        <translation>Крайна дата: </translation>
    </message>
    <message>
        <source>|End date of the Prediction time period</source>
        <translation>|Крайната дата на периода за прогноза</translation>
    </message>
    <message>
        <source>Based on last cycle end : </source>
        <translation>Край на посл. цикъл: </translation>
    </message>
    <message>
        <source>Average cycle length :</source>
        <translation>Среден цикъл (дни):</translation>
    </message>
    <message>
        <source>|By default the Average cycle length is displayed and can be changed if required</source>
        <translation>|По подразбиране се показва средната дължина на цикъла; при нужда може да се промени</translation>
    </message>
    <message>
        <source>  Predict</source>
        <translation>  Изчисли</translation>
    </message>
    <message>
        <source>|Calculates start date of cycles for selected period</source>
        <translation>|Изчислява началните дати на циклите за избрания период</translation>
    </message>
    <message>
        <source>  Add cycle</source>
        <translation>  Добави</translation>
    </message>
    <message>
        <source>|Adds selected cycle as new cycle</source>
        <translation>|Добавя избрания цикъл като нов цикъл</translation>
    </message>
    <message>
        <source>|Displays calculated start dates of predicted cycles</source>
        <translation>|Показва изчислените начални дати на прогнозираните цикли</translation>
    </message>
    <message>
        <source>The cycle table of %1 is not open, so no cycle can be added.</source>
        <translation>Таблицата с циклите на %1 не е отворена, затова не може да се добави цикъл.</translation>
    </message>
</context>
<context>
    <name>TUsersForm</name>
    <message>
        <source>Administrate users window</source>
        <translation>Управление на потребителите</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Потребители</translation>
    </message>
    <message>
        <source>Displays all User names</source>
        <translation>Показва имената на всички потребители</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Нов</translation>
    </message>
    <message>
        <source>Displays Add new user window</source>
        <translation>Показва прозореца за добавяне на нов потребител</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Промени</translation>
    </message>
    <message>
        <source>Displays Edit user window</source>
        <translation>Показва прозореца за промяна на потребител</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Изтрий</translation>
    </message>
    <message>
        <source>Deletes selected User</source>
        <translation>Изтрива избрания потребител</translation>
    </message>
</context>
</TS>
