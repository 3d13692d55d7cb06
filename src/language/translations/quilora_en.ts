<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Quilora</name>
    <message numerus="yes">
        <source>A set holds 12 photos; %n more were left out: %1.</source>
        <comment>picture-set maker, status line: more than 12 photos were chosen; %n how many were left out, %1 their file names</comment>
        <translation>
            <numerusform>A set holds 12 photos; %n more was left out: %1.</numerusform>
            <numerusform>A set holds 12 photos; %n more were left out: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every card has a photo. Replace the photos of cards 1 to %n with the new ones?</source>
        <comment>picture-set maker: asked when photos are chosen while every card has one; %n how many cards, from card 1, would get a new photo</comment>
        <translation>
            <numerusform>Every card has a photo. Replace the photo of card 1 with the new one?</numerusform>
            <numerusform>Every card has a photo. Replace the photos of cards 1 to %n with the new ones?</numerusform>
        </translation>
    </message>
</context>
</TS>
