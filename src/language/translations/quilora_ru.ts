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
        <comment>message after a win; %1 the file, %2 the reason</comment>
        <translation>Рекорд не сохранён: файл рекордов %1 нельзя записать (%2). Прежние рекорды не изменились.</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <comment>why the records file cannot be written</comment>
        <translation>он больше 1 МБ</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <comment>why the records file cannot be read: a FIFO, a device, a folder</comment>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>The records file was changed while the game was being won: this time is no longer among the ten best.</source>
        <comment>message after a win: the record is not stored</comment>
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
        <comment>message after OK or Apply in the options window; %1 the file, %2 the reason</comment>
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
        <comment>spoken: the board that holds the cards</comment>
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
    <message>
        <source>Quilora: my pictures</source>
        <comment>picture-set maker: the window&apos;s title, also over its questions</comment>
        <translation>Quilora: мои картинки</translation>
    </message>
    <message>
        <source>Make a picture set from your own photos. Choose 12 photos, frame each one, give the set a name and pick its place; the game&apos;s Options then offer it.</source>
        <comment>picture-set maker: the lines at the top of the window</comment>
        <translation>Сделайте набор картинок из своих фотографий. Выберите 12 фото, подберите кадр для каждого, дайте набору название и выберите его место; затем он появится в «Настройках» игры.</translation>
    </message>
    <message>
        <source>Each photo twice</source>
        <comment>picture-set maker: the kind of set, twelve pairs of the same photo</comment>
        <translation>Каждое фото дважды</translation>
    </message>
    <message>
        <source>Each photo with its name</source>
        <comment>picture-set maker: the kind of set, each photo paired with a card that shows its name</comment>
        <translation>Фото и карточка с именем</translation>
    </message>
    <message>
        <source>Choose photos…</source>
        <comment>picture-set maker: the button that opens the file dialog</comment>
        <translation>Выбрать фото…</translation>
    </message>
    <message>
        <source>Choose 12 photos</source>
        <comment>picture-set maker: the title of the file dialog that chooses the photos</comment>
        <translation>Выберите 12 фотографий</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <comment>picture-set maker: the file dialog&apos;s filter; %1 the patterns, such as *.jpg *.png</comment>
        <translation>Изображения (%1)</translation>
    </message>
    <message>
        <source>%1 of 12 photos</source>
        <comment>picture-set maker: beside the button that chooses photos; %1 how many are chosen</comment>
        <translation>Фото: %1 из 12</translation>
    </message>
    <message>
        <source>Card %1: no photo yet</source>
        <comment>picture-set maker, spoken: a card&apos;s button before it has a photo; %1 its number</comment>
        <translation>Карточка %1: фото нет</translation>
    </message>
    <message>
        <source>Card %1</source>
        <comment>picture-set maker, spoken: a card&apos;s button, then its name; also before a problem with that card; %1 its number</comment>
        <translation>Карточка %1</translation>
    </message>
    <message>
        <source>Drag the frame over the photo; the wheel or the slider zooms.</source>
        <comment>picture-set maker: the line under the photo being framed</comment>
        <translation>Перетаскивайте рамку по фото; колесо мыши или ползунок меняют масштаб.</translation>
    </message>
    <message>
        <source>Zoom</source>
        <comment>picture-set maker: the label of the zoom slider, and its spoken name</comment>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>Remove photo</source>
        <comment>picture-set maker: the button that takes the photo being framed off its card</comment>
        <translation>Убрать фото</translation>
    </message>
    <message>
        <source>Name on its card:</source>
        <comment>picture-set maker: the label of the box for the name a photo&apos;s name card shows</comment>
        <translation>Имя на карточке:</translation>
    </message>
    <message>
        <source>e.g. Grandma</source>
        <comment>picture-set maker: the grey example in the empty box of a card&apos;s name</comment>
        <translation>например, Бабушка</translation>
    </message>
    <message>
        <source>Name of the set:</source>
        <comment>picture-set maker: the label of the box for the set&apos;s name</comment>
        <translation>Название набора:</translation>
    </message>
    <message>
        <source>e.g. Our family</source>
        <comment>picture-set maker: the grey example in the empty box of the set&apos;s name</comment>
        <translation>например, Наша семья</translation>
    </message>
    <message>
        <source>Place in the game:</source>
        <comment>picture-set maker: the label of the list of the game&apos;s places for a set</comment>
        <translation>Место в игре:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>picture-set maker: a place in that list that holds a set shipped with the game; %1 its number, %2 the set&apos;s name</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 (yours)</source>
        <comment>picture-set maker: a place in that list that holds a set the player made; %1 its number, %2 the set&apos;s name</comment>
        <translation>%1: %2 (ваш)</translation>
    </message>
    <message>
        <source>(no name)</source>
        <comment>picture-set maker: in the list of places, for a set without a name</comment>
        <translation>(без названия)</translation>
    </message>
    <message>
        <source>Make the set</source>
        <comment>picture-set maker: the button that writes the set into the chosen place</comment>
        <translation>Создать набор</translation>
    </message>
    <message>
        <source>Restore the shipped set</source>
        <comment>picture-set maker: the button that removes the player&apos;s set from the chosen place</comment>
        <translation>Вернуть исходный набор</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>picture-set maker: the button that closes the window</comment>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Making the set…</source>
        <comment>picture-set maker: the status line while the set is being written</comment>
        <translation>Набор создаётся…</translation>
    </message>
    <message>
        <source>photo %1</source>
        <comment>spoken in the game: a card of a set made from photos; %1 its number</comment>
        <translation>фото %1</translation>
    </message>
    <message>
        <source>the name %1</source>
        <comment>spoken in the game: a name card of a set made from photos, as the shipped word cards are said; %1 the name</comment>
        <translation>имя „%1“</translation>
    </message>
    <message>
        <source>A set needs 12 photos; %1 chosen so far.</source>
        <comment>picture-set maker, status line: the set is not made; %1 how many photos are chosen</comment>
        <translation>Для набора нужно 12 фотографий; выбрано: %1.</translation>
    </message>
    <message>
        <source>A set holds 12 photos; %1 more were left out.</source>
        <comment>picture-set maker, status line: more than 12 photos were chosen; %1 how many were left out</comment>
        <translation>В наборе 12 фотографий; ещё %1 не вошли.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture.</source>
        <comment>picture-set maker, status line: a chosen file is no picture; %1 its name</comment>
        <translation>Файл %1 не читается как картинка.</translation>
    </message>
    <message>
        <source>%1 is too large to open.</source>
        <comment>picture-set maker, status line: a chosen picture is too large to open; %1 its name</comment>
        <translation>Файл %1 слишком велик, чтобы его открыть.</translation>
    </message>
    <message>
        <source>This photo looks cut off: part of it is missing.</source>
        <comment>picture-set maker: on the card of a photo whose file ends early</comment>
        <translation>Похоже, фото обрезано: части снимка не хватает.</translation>
    </message>
    <message>
        <source>This photo is too small for a sharp card.</source>
        <comment>picture-set maker: on the card of a photo that would be enlarged</comment>
        <translation>Фото слишком маленькое для чёткой карточки.</translation>
    </message>
    <message>
        <source>Give the set a name.</source>
        <comment>picture-set maker, status line: the set is not made without a name</comment>
        <translation>Дайте набору название.</translation>
    </message>
    <message>
        <source>The set&apos;s name may be 40 characters at most.</source>
        <comment>picture-set maker, status line: the set is not made, its name is too long</comment>
        <translation>Название набора — не больше 40 знаков.</translation>
    </message>
    <message>
        <source>Card %1 has no name yet.</source>
        <comment>picture-set maker, status line: a card of a set with names has none; %1 its number</comment>
        <translation>У карточки %1 ещё нет имени.</translation>
    </message>
    <message>
        <source>“%1” does not fit on a card: please shorten it.</source>
        <comment>picture-set maker: under the box of a card&apos;s name; %1 the name</comment>
        <translation>«%1» не помещается на карточке: сократите, пожалуйста.</translation>
    </message>
    <message>
        <source>Its name card:</source>
        <comment>picture-set maker: before the picture of a photo&apos;s name card</comment>
        <translation>Карточка с именем:</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created (%2). Nothing was changed.</source>
        <comment>picture-set maker, status line: %1 the folder, %2 the reason</comment>
        <translation>Папку %1 создать не удалось (%2). Ничего не изменено.</translation>
    </message>
    <message>
        <source>The set could not be written to %1 (%2). The old set is kept.</source>
        <comment>picture-set maker, status line: %1 the set&apos;s folder, %2 the reason</comment>
        <translation>Набор не записан в %1 (%2). Прежний набор сохранён.</translation>
    </message>
    <message>
        <source>The pictures could not be prepared (%1). Nothing was changed.</source>
        <comment>picture-set maker, status line: %1 the reason</comment>
        <translation>Картинки подготовить не удалось (%1). Ничего не изменено.</translation>
    </message>
    <message>
        <source>“%1” is ready in place %2. Choose it in the game&apos;s Options.</source>
        <comment>picture-set maker, status line: the set is written; %1 its name, %2 its place</comment>
        <translation>Набор «%1» готов, место %2. Выберите его в «Настройках» игры.</translation>
    </message>
    <message>
        <source>Remove your set “%1” from place %2 and bring back the shipped one?</source>
        <comment>picture-set maker: asked before the player&apos;s set is removed; %1 its name, %2 its place</comment>
        <translation>Убрать ваш набор «%1» с места %2 и вернуть исходный?</translation>
    </message>
    <message>
        <source>The shipped set is back in place %1.</source>
        <comment>picture-set maker, status line: the player&apos;s set is removed; %1 the place</comment>
        <translation>Исходный набор снова на месте %1.</translation>
    </message>
    <message>
        <source>Place %1 already holds the shipped set.</source>
        <comment>picture-set maker, status line: %1 the place</comment>
        <translation>На месте %1 и так исходный набор.</translation>
    </message>
    <message>
        <source>Your set in place %1 could not be removed (%2).</source>
        <comment>picture-set maker, status line: %1 the place, %2 the reason</comment>
        <translation>Ваш набор на месте %1 удалить не удалось (%2).</translation>
    </message>
    <message>
        <source>Another window is making or removing a set just now. Try again once it has finished.</source>
        <comment>picture-set maker, status line: another window of it is writing a set</comment>
        <translation>Другое окно сейчас создаёт или удаляет набор. Попробуйте снова, когда оно закончит.</translation>
    </message>
    <message>
        <source>%1 was not made by this window and is left untouched. Move it elsewhere to use this place.</source>
        <comment>picture-set maker, status line: %1 the folder found in that place</comment>
        <translation>%1 создан не в этом окне и оставлен нетронутым. Перенесите его в другое место, чтобы занять это место.</translation>
    </message>
    <message>
        <source>Close without making the set? The chosen photos are not kept.</source>
        <comment>picture-set maker: asked when the window closes with photos chosen and no set made</comment>
        <translation>Закрыть, не создав набор? Выбранные фото не сохранятся.</translation>
    </message>
</context>
</TS>
