<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Quilora</name>
    <message>
        <source>Clear</source>
        <comment>side button: a new game on the same cards</comment>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>side button: opens the options window</comment>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>side button: shows the help text</comment>
        <translation>Помощь</translation>
    </message>
    <message>
        <source>Records</source>
        <comment>side button: shows the records list</comment>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>title of the options window</comment>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Background</source>
        <comment>options window: frame of the backgrounds</comment>
        <translation>Фон</translation>
    </message>
    <message>
        <source>Pictures</source>
        <comment>options window: frame of the picture sets</comment>
        <translation>Картинки</translation>
    </message>
    <message>
        <source>Sound</source>
        <comment>options window: frame of the sound switch</comment>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>options window: the sound switch</comment>
        <translation>Есть</translation>
    </message>
    <message>
        <source>Apply</source>
        <comment>options window: shows the chosen background</comment>
        <translation>Сменить</translation>
    </message>
    <message>
        <source>Apply</source>
        <comment>options window: deals the chosen picture set</comment>
        <translation>Сменить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>options window: closes it, nothing saved</comment>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Close help</source>
        <comment>side button while the help is shown</comment>
        <translation>Закр. пом.</translation>
    </message>
    <message>
        <source>\help-e.txt</source>
        <comment>the help file of this language</comment>
        <translation>\help.txt</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>side button after the help is closed</comment>
        <translation>Помощь</translation>
    </message>
    <message>
        <source>Close rec.</source>
        <comment>side button while the records are shown</comment>
        <translation>Закрыть рек.</translation>
    </message>
    <message>
        <source>Records</source>
        <comment>side button after the records are closed</comment>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>the name of a record stored without one</comment>
        <translation>Неизвестный</translation>
    </message>
    <message>
        <source>VICTORY!   You is First!</source>
        <comment>won: a new best time</comment>
        <translation>ПОБЕДА!   У тебя 1-е место!</translation>
    </message>
    <message>
        <source>VICTORY! You is in Top-10.</source>
        <comment>won: a place in the table</comment>
        <translation>ПОБЕДА! Ты в десятке лучших.</translation>
    </message>
    <message>
        <source>VICTORY!  You time is</source>
        <comment>won: no place in the table</comment>
        <translation>ПОБЕДА!   На неё ты затратил</translation>
    </message>
    <message>
        <source>Record: </source>
        <comment>won: asks for the player&apos;s name</comment>
        <translation>Запишись: </translation>
    </message>
    <message>
        <source>       boy?              girl?               ?</source>
        <comment>won: the icon question; the blanks leave room for the three icon buttons, each before its word</comment>
        <translation>Ты:       мальчик,       девочка,       друг?</translation>
    </message>
    <message>
        <source>To records</source>
        <comment>won: stores the record</comment>
        <translation>В рекорды</translation>
    </message>
    <message>
        <source>End</source>
        <comment>won: ends the program</comment>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Else</source>
        <comment>won: a new game</comment>
        <translation>Ещё</translation>
    </message>
    <message>
        <source>Sound</source>
        <comment>the sound label once the settings are read</comment>
        <translation>Звук</translation>
    </message>
    <message>
        <source>The record could not be saved: the records file %1 cannot be written (%2). The records kept so far are unchanged.</source>
        <comment>%1 the file, %2 the reason</comment>
        <translation>Рекорд не сохранён: файл рекордов %1 нельзя записать (%2). Прежние рекорды не изменились.</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <comment>why the records file cannot be written</comment>
        <translation>он больше 1 МБ</translation>
    </message>
    <message>
        <source>The records file was changed while the game was being won: this time is no longer among the ten best.</source>
        <comment>the record is not stored</comment>
        <translation>Файл рекордов изменился, пока шла игра: это время уже не входит в десятку лучших.</translation>
    </message>
    <message>
        <source>The records file %1 cannot be read (%2): this game&apos;s time cannot be ranked or stored. The file is left as it is.</source>
        <comment>at the end of a game; %1 the file, %2 the reason</comment>
        <translation>Файл рекордов %1 нельзя прочитать (%2): время этой игры нельзя сравнить с рекордами и записать. Файл оставлен как есть.</translation>
    </message>
    <message>
        <source>The records file %1 cannot be read (%2): the records cannot be shown. The file is left as it is.</source>
        <comment>the Records button; %1 the file, %2 the reason</comment>
        <translation>Файл рекордов %1 нельзя прочитать (%2): рекорды нельзя показать. Файл оставлен как есть.</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1 cannot be written (%2). They stay in effect until the game is closed.</source>
        <comment>%1 the file, %2 the reason</comment>
        <translation>Настройки не сохранены: файл %1 нельзя записать (%2). Они действуют, пока игра не закрыта.</translation>
    </message>
    <message>
        <source>row %1, card %2</source>
        <comment>spoken: where a card lies</comment>
        <translation>ряд %1, карточка %2</translation>
    </message>
    <message>
        <source>, face down</source>
        <comment>spoken: after where a card lies</comment>
        <translation>, закрыта</translation>
    </message>
    <message>
        <source>, found: </source>
        <comment>spoken: before the picture of a found card</comment>
        <translation>, найдена: </translation>
    </message>
    <message>
        <source>picture %1</source>
        <comment>spoken: a picture without a name</comment>
        <translation>картинка %1</translation>
    </message>
    <message>
        <source>Board of cards</source>
        <comment>spoken</comment>
        <translation>Поле с карточками</translation>
    </message>
    <message>
        <source>Time</source>
        <comment>spoken: the clock</comment>
        <translation>Время</translation>
    </message>
    <message>
        <source>Victory</source>
        <comment>spoken: the victory panel</comment>
        <translation>Победа</translation>
    </message>
    <message>
        <source>Your name</source>
        <comment>spoken: the name box</comment>
        <translation>Твоё имя</translation>
    </message>
    <message>
        <source>Boy</source>
        <comment>spoken: an icon button</comment>
        <translation>Мальчик</translation>
    </message>
    <message>
        <source>Girl</source>
        <comment>spoken: an icon button</comment>
        <translation>Девочка</translation>
    </message>
    <message>
        <source>Friend</source>
        <comment>spoken: an icon button</comment>
        <translation>Друг</translation>
    </message>
    <message>
        <source>Records</source>
        <comment>spoken: the records list</comment>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>spoken: the help text</comment>
        <translation>Помощь</translation>
    </message>
    <message>
        <source>Russian language</source>
        <comment>spoken: the label Rus</comment>
        <translation>Русский язык</translation>
    </message>
    <message>
        <source>English language</source>
        <comment>spoken: the label Eng</comment>
        <translation>Английский язык</translation>
    </message>
    <message>
        <source>The game&apos;s web site</source>
        <comment>spoken: the site link</comment>
        <translation>Сайт игры</translation>
    </message>
    <message>
        <source>The game&apos;s home page</source>
        <comment>spoken: the Homepage link</comment>
        <translation>Домашняя страница игры</translation>
    </message>
    <message>
        <source>Sound on, press to switch it off</source>
        <comment>spoken: the sound label</comment>
        <translation>Звук включён, нажмите, чтобы выключить</translation>
    </message>
    <message>
        <source>Sound off, press to switch it on</source>
        <comment>spoken: the sound label</comment>
        <translation>Звук выключен, нажмите, чтобы включить</translation>
    </message>
    <message>
        <source>Background</source>
        <comment>spoken: a background option, then its number</comment>
        <translation>Фон</translation>
    </message>
</context>
</TS>
