<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg_BG">
<context>
    <name>THotSincingForm</name>
    <message>
        <source>Ciclara Error</source>
        <translation>Грешка в Ciclara</translation>
    </message>
</context>
</TS>
