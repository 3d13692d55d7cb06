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
    <message>
        <source>Quilora: play together</source>
        <comment>playing together: title of its windows</comment>
        <translation>Quilora: играем вместе</translation>
    </message>
    <message>
        <source>Take turns: each turn is two cards. A pair scores and you turn again; otherwise the next player goes.</source>
        <comment>playing together: the start window&apos;s rules in short</comment>
        <translation>Ходите по очереди, по две карточки за ход. Нашли пару — очко и ещё ход; нет — ходит следующий.</translation>
    </message>
    <message>
        <source>Players:</source>
        <comment>playing together: how many play, 2 to 4</comment>
        <translation>Игроков:</translation>
    </message>
    <message>
        <source>Player %1</source>
        <comment>playing together: a player&apos;s row, and the name of one left unnamed</comment>
        <translation>Игрок %1</translation>
    </message>
    <message>
        <source>Name of player %1</source>
        <comment>playing together: spoken name of a name box</comment>
        <translation>Имя игрока %1</translation>
    </message>
    <message>
        <source>Player %1: a person or the computer</source>
        <comment>playing together: spoken description of the person or computer choice</comment>
        <translation>Игрок %1: человек или компьютер</translation>
    </message>
    <message>
        <source>How well player %1 remembers</source>
        <comment>playing together: spoken description of a computer&apos;s memory choice</comment>
        <translation>Как хорошо помнит игрок %1</translation>
    </message>
    <message>
        <source>person</source>
        <comment>playing together: a player at the screen</comment>
        <translation>человек</translation>
    </message>
    <message>
        <source>computer</source>
        <comment>playing together: a player the computer plays</comment>
        <translation>компьютер</translation>
    </message>
    <message>
        <source>forgetful, for the youngest</source>
        <comment>playing together: a computer that forgets a lot</comment>
        <translation>забывчивый, для малышей</translation>
    </message>
    <message>
        <source>a fair memory</source>
        <comment>playing together: a computer that forgets some</comment>
        <translation>средняя память</translation>
    </message>
    <message>
        <source>forgets nothing</source>
        <comment>playing together: a computer that forgets nothing</comment>
        <translation>ничего не забывает</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <comment>playing together: the picture set choice</comment>
        <translation>Картинки:</translation>
    </message>
    <message>
        <source>Set %1</source>
        <comment>playing together: a picture set without a name</comment>
        <translation>Набор %1</translation>
    </message>
    <message>
        <source>Play</source>
        <comment>playing together: starts the game</comment>
        <translation>Играть</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <comment>playing together: whose turn it is</comment>
        <translation>Ходит %1</translation>
    </message>
    <message>
        <source>%1 finds a pair: %2</source>
        <comment>playing together: a pair and its finder</comment>
        <translation>%1 находит пару: %2</translation>
    </message>
    <message>
        <source>%1, pairs: %2</source>
        <comment>playing together: spoken name of a player&apos;s score</comment>
        <translation>%1, пар: %2</translation>
    </message>
    <message>
        <source>%1, pairs: %2, to play now</source>
        <comment>playing together: spoken name of the score of the player whose turn it is</comment>
        <translation>%1, пар: %2, сейчас ходит</translation>
    </message>
    <message>
        <source>Players and their pairs</source>
        <comment>playing together: spoken name of the row of scores</comment>
        <translation>Игроки и их пары</translation>
    </message>
    <message>
        <source>All the pairs are found!</source>
        <comment>playing together: title of the results</comment>
        <translation>Все пары найдены!</translation>
    </message>
    <message>
        <source>%1 wins!</source>
        <comment>playing together: one player has the most pairs</comment>
        <translation>Побеждает %1!</translation>
    </message>
    <message>
        <source>A draw!</source>
        <comment>playing together: two or more share the first place</comment>
        <translation>Ничья!</translation>
    </message>
    <message>
        <source>Place</source>
        <comment>playing together: heading of the results&apos; places</comment>
        <translation>Место</translation>
    </message>
    <message>
        <source>Player</source>
        <comment>playing together: heading of the results&apos; names</comment>
        <translation>Игрок</translation>
    </message>
    <message>
        <source>Pairs</source>
        <comment>playing together: heading of the results&apos; pairs</comment>
        <translation>Пары</translation>
    </message>
    <message>
        <source>place %1: %2, pairs: %3</source>
        <comment>playing together: one line of the results as spoken</comment>
        <translation>%1 место: %2, пар: %3</translation>
    </message>
    <message>
        <source>Again</source>
        <comment>playing together: the same players, a new deal</comment>
        <translation>Ещё раз</translation>
    </message>
    <message>
        <source>Making the set: card %1 of %2…</source>
        <comment>picture-set maker, status line while the set is written; %1 the card being written, %2 how many there are</comment>
        <translation>Набор создаётся: карточка %1 из %2…</translation>
    </message>
    <message numerus="yes">
        <source>A set holds 12 photos; %n more were left out: %1.</source>
        <comment>picture-set maker, status line: more than 12 photos were chosen; %n how many were left out, %1 their file names</comment>
        <translation>
            <numerusform>В наборе 12 фотографий; ещё %n не вошла: %1.</numerusform>
            <numerusform>В наборе 12 фотографий; ещё %n не вошли: %1.</numerusform>
            <numerusform>В наборе 12 фотографий; ещё %n не вошли: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your set in place %1 was made by an earlier version of this window, which kept nothing to open it with. Make it again from its photos, or leave it as it is.</source>
        <comment>picture-set maker, status line: a set of the player&apos;s cannot be opened again; %1 its place</comment>
        <translation>Ваш набор на месте %1 создан прежней версией этого окна, которая не сохраняла ничего, чтобы открыть его снова. Создайте его заново из фотографий или оставьте как есть.</translation>
    </message>
    <message>
        <source>Your set in place %1 cannot be opened: its file %2 is damaged. The set itself is left as it is.</source>
        <comment>picture-set maker, status line: a set of the player&apos;s cannot be opened again; %1 its place, %2 the damaged file</comment>
        <translation>Ваш набор на месте %1 не открыть: его файл %2 повреждён. Сам набор оставлен как есть.</translation>
    </message>
    <message numerus="yes">
        <source>Every card has a photo. Replace the photos of cards 1 to %n with the new ones?</source>
        <comment>picture-set maker: asked when photos are chosen while every card has one; %n how many cards, from card 1, would get a new photo</comment>
        <translation>
            <numerusform>На всех карточках уже есть фото. Заменить фото карточки 1 новым?</numerusform>
            <numerusform>На всех карточках уже есть фото. Заменить фото карточек 1–%n новыми?</numerusform>
            <numerusform>На всех карточках уже есть фото. Заменить фото карточек 1–%n новыми?</numerusform>
        </translation>
    </message>
    <message>
        <source>Place %1 holds your set “%2”. Open it to change its photos, frames or names?</source>
        <comment>picture-set maker: asked when a place that holds a set of the player&apos;s is chosen; %1 the place, %2 the set&apos;s name</comment>
        <translation>На месте %1 ваш набор «%2». Открыть его, чтобы изменить фото, кадры или имена?</translation>
    </message>
    <message>
        <source>Place %1 holds your set “%2”. Open it to change its photos, frames or names? The photos chosen here, not yet made into a set, are then let go.</source>
        <comment>picture-set maker: the same question while photos are chosen and not yet made into a set; %1 the place, %2 the set&apos;s name</comment>
        <translation>На месте %1 ваш набор «%2». Открыть его, чтобы изменить фото, кадры или имена? Выбранные здесь фото, ещё не ставшие набором, тогда не сохранятся.</translation>
    </message>
    <message>
        <source>Place %1 holds your set “%2”. Replace it with “%3”?</source>
        <comment>picture-set maker: asked before a new set replaces a set of the player&apos;s; %1 the place, %2 the old set&apos;s name, %3 the new one&apos;s</comment>
        <translation>На месте %1 ваш набор «%2». Заменить его набором «%3»?</translation>
    </message>
    <message>
        <source>Reading photo %1 of %2…</source>
        <comment>picture-set maker, status line while chosen photos are read; %1 the photo being read, %2 how many there are</comment>
        <translation>Читается фото %1 из %2…</translation>
    </message>
    <message>
        <source>Opening the set: photo %1 of %2…</source>
        <comment>picture-set maker, status line while a set of the player&apos;s is opened again; %1 the photo being read, %2 how many there are</comment>
        <translation>Набор открывается: фото %1 из %2…</translation>
    </message>
    <message>
        <source>Your set “%1” from place %2 is open: change what you like and make it again.</source>
        <comment>picture-set maker, status line: a set of the player&apos;s is open again; %1 its name, %2 its place</comment>
        <translation>Ваш набор «%1» с места %2 открыт: измените что нужно и создайте его снова.</translation>
    </message>
    <message>
        <source>All five places hold your sets. Choose one to open it again; a new set replaces the chosen one only once you agree.</source>
        <comment>picture-set maker, status line when the window opens and every place holds a set of the player&apos;s</comment>
        <translation>На всех пяти местах ваши наборы. Выберите место, чтобы открыть набор снова; новый набор заменит выбранный только с вашего согласия.</translation>
    </message>
    <message>
        <source>The window closes once this is done.</source>
        <comment>picture-set maker, status line: the window was closed while it works, and closes once done</comment>
        <translation>Окно закроется, когда это закончится.</translation>
    </message>
    <message>
        <source>Keep it</source>
        <comment>picture-set maker: button beside a photo&apos;s warning that keeps the photo</comment>
        <translation>Оставить</translation>
    </message>
    <message>
        <source>Replace…</source>
        <comment>picture-set maker: button beside a photo&apos;s warning that chooses another photo</comment>
        <translation>Заменить…</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>picture-set maker: the answer Yes to its questions</comment>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <comment>picture-set maker: the answer No to its questions</comment>
        <translation>Нет</translation>
    </message>
</context>
</TS>
