<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur_PK">
<context>
    <name>Artwork</name>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>Quran reader and recitation player</source>
        <translation>قرآن ریڈر اور تلاوت پلیئر</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Tilvora cannot start.

%1</source>
        <extracomment>%1 is the reason, in a paragraph of its own.</extracomment>
        <translation>Tilvora شروع نہیں ہو سکا۔

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
        <translation>آڈیو فائلیں نہیں ملیں...</translation>
    </message>
    <message>
        <source>Media File %1 is not present at the specified path...
Current Path : %2

Please Specify a valid path for Media Files (using the Controls Menu) and use this Application !</source>
        <translation>فائل %1 مقررہ فولڈر میں موجود نہیں...
موجودہ فولڈر: %2

براہ کرم کنٹرول مینو سے آڈیو فائلوں کا درست فولڈر مقرر کریں اور پھر پروگرام استعمال کریں۔</translation>
    </message>
    <message>
        <source>Tilvora - ProgramID : </source>
        <translation>Tilvora - پروگرام نمبر: </translation>
    </message>
    <message>
        <source>No Data found in the Database for Current Voice in Programs registered...

Invalid Programs / Speakers added to database without related Data !</source>
        <translation>ڈیٹا بیس میں موجودہ قاری کا کوئی ڈیٹا نہیں ملا...

ڈیٹا بیس میں بغیر ڈیٹا کے پروگرام یا قاری شامل کیے گئے ہیں!</translation>
    </message>
    <message>
        <source>Cannot Access the specified Media File
Make sure that the Media Files folder exists in the same application folder !</source>
        <translation>مقررہ آڈیو فائل تک رسائی نہیں ہو سکی
یقینی بنائیں کہ آڈیو فائلوں کا فولڈر پروگرام کے فولڈر میں موجود ہے!</translation>
    </message>
    <message>
        <source>No recording of this verse</source>
        <translation>اس آیت کی ریکارڈنگ نہیں</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; has no recording of %2.

Choose another voice in the control pane, or set the folder of this voice&apos;s recordings with Controls &gt; Set Data Path.</source>
        <translation>قاری «%1» کی %2 کی ریکارڈنگ نہیں۔

کنٹرول پین میں کوئی اور قاری منتخب کریں، یا کنٹرول &gt; ریکارڈنگز کا فولڈر مقرر کریں سے اس قاری کا فولڈر مقرر کریں۔</translation>
    </message>
    <message>
        <source>No verse was found for “%1”.</source>
        <translation>«%1» کے لیے کوئی آیت نہیں ملی۔</translation>
    </message>
    <message>
        <source>No verse to show for this choice.</source>
        <translation>اس انتخاب کے لیے دکھانے کو کوئی آیت نہیں۔</translation>
    </message>
    <message>
        <source>%1
Specified path is invalid and cannot be mapped properly...</source>
        <translation>%1
مقررہ فولڈر درست نہیں اور کھولا نہیں جا سکتا...</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>فولڈر %1 موجود نہیں۔</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 فولڈر نہیں۔</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened: permission denied.</source>
        <translation>فولڈر %1 کھل نہیں سکتا: اجازت نہیں۔</translation>
    </message>
    <message>
        <source>There is no verse %1:%2.</source>
        <translation>آیت %1:%2 موجود نہیں۔</translation>
    </message>
    <message>
        <source>The range %1 to %2 ends before it starts.</source>
        <translation>%1 سے %2 تک کا حصہ شروع ہونے سے پہلے ختم ہوتا ہے۔</translation>
    </message>
    <message>
        <source>The request could not be carried out: the content database refused it.
%1</source>
        <translation>درخواست پوری نہیں ہو سکی: ڈیٹا بیس نے اسے رد کر دیا۔
%1</translation>
    </message>
    <message>
        <source>The request could not be carried out: %1</source>
        <translation>درخواست پوری نہیں ہو سکی: %1</translation>
    </message>
    <message>
        <source>The verse has no start position in the current voice.</source>
        <translation>موجودہ آواز میں اس آیت کا آغاز درج نہیں۔</translation>
    </message>
    <message>
        <source>The start position &quot;%1&quot; of the verse is not a number of seconds.</source>
        <translation>آیت کا آغاز «%1» سیکنڈوں کا عدد نہیں۔</translation>
    </message>
    <message>
        <source>An unknown failure stopped the recitation.</source>
        <translation>ایک نامعلوم خرابی نے تلاوت روک دی۔</translation>
    </message>
    <message>
        <source>The recitation stopped for an unknown reason.</source>
        <translation>تلاوت کسی نامعلوم وجہ سے رک گئی۔</translation>
    </message>
    <message>
        <source>The speed must be a number from %1 to %2.</source>
        <translation>رفتار %1 سے %2 تک کا کوئی عدد ہونی چاہیے۔</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the id of a voice.</source>
        <translation>«%1» کسی آواز کی شناخت نہیں۔</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3, not &quot;%4&quot;.</source>
        <translation>%1: %2 سے %3 تک کا کوئی پورا عدد ہونا چاہیے، «%4» نہیں۔</translation>
    </message>
    <message>
        <source>The verse repeat count</source>
        <translation>آیت کی تکرار کی تعداد</translation>
    </message>
    <message>
        <source>The range repeat count</source>
        <translation>حصے کی تکرار کی تعداد</translation>
    </message>
    <message>
        <source>The gap in milliseconds</source>
        <translation>وقفہ ملی سیکنڈ میں</translation>
    </message>
    <message>
        <source>The first verse &quot;%1&quot; is not a verse reference such as 2:255.</source>
        <translation>پہلی آیت «%1» آیت کا حوالہ نہیں، جیسے 2:255۔</translation>
    </message>
    <message>
        <source>The last verse &quot;%1&quot; is not a verse reference such as 2:255.</source>
        <translation>آخری آیت «%1» آیت کا حوالہ نہیں، جیسے 2:255۔</translation>
    </message>
    <message>
        <source>The repeat counts, the gap or the time to repeat are out of range.</source>
        <translation>تکرار کی تعداد، وقفہ یا دہرانے کا وقت حد سے باہر ہے۔</translation>
    </message>
    <message>
        <source>This content database holds no mushaf pages.</source>
        <translation>اس مواد کے ڈیٹا بیس میں مصحف کے صفحات نہیں۔</translation>
    </message>
    <message>
        <source>There is no page &quot;%1&quot; in the mushaf: its pages are numbered 1 to %2.</source>
        <translation>مصحف میں صفحہ «%1» نہیں: اس کے صفحات 1 سے %2 تک ہیں۔</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a verse reference such as 2:255.</source>
        <translation>«%1» آیت کا حوالہ نہیں، جیسے 2:255۔</translation>
    </message>
    <message>
        <source>There is no page %1 in the mushaf.</source>
        <translation>مصحف میں صفحہ %1 نہیں۔</translation>
    </message>
    <message>
        <source>The mushaf pages of this content database are not numbered 1 to %1.</source>
        <translation>اس مواد کے ڈیٹا بیس میں مصحف کے صفحات 1 سے %1 تک نمبر شدہ نہیں۔</translation>
    </message>
    <message>
        <source>The main window could not be prepared. %1</source>
        <translation>مرکزی ونڈو تیار نہیں ہو سکی۔ %1</translation>
    </message>
    <message>
        <source>The content database %1 was not found. Tilvora needs its content database DIC.DAT in the application folder %2.</source>
        <translation>مواد کا ڈیٹا بیس %1 نہیں ملا۔ تیلفورا کو اپنے مواد کا ڈیٹا بیس DIC.DAT پروگرام کے فولڈر %2 میں درکار ہے۔</translation>
    </message>
    <message>
        <source>The file %1 is not a Tilvora content database (%2).</source>
        <translation>فائل %1 تیلفورا کا مواد کا ڈیٹا بیس نہیں (%2)۔</translation>
    </message>
    <message>
        <source>The content database %1 cannot be opened: %2</source>
        <translation>مواد کا ڈیٹا بیس %1 کھولا نہیں جا سکتا: %2</translation>
    </message>
    <message>
        <source>The content database %1 cannot be written (%2). Tilvora stores your choices in it; make sure no other program holds it and that it is writable, then start again.</source>
        <translation>مواد کے ڈیٹا بیس %1 میں لکھا نہیں جا سکتا (%2)۔ تیلفورا آپ کے انتخاب اسی میں محفوظ کرتا ہے؛ یقینی بنائیں کہ کوئی اور پروگرام اسے استعمال نہیں کر رہا اور اس میں لکھا جا سکتا ہے، پھر دوبارہ شروع کریں۔</translation>
    </message>
    <message>
        <source>The content database %1 lacks a table or column that Tilvora needs (%2).</source>
        <translation>مواد کے ڈیٹا بیس %1 میں کوئی ایسا جدول یا کالم نہیں جو تیلفورا کو درکار ہے (%2)۔</translation>
    </message>
    <message>
        <source>The content file %1 is damaged (%2), so Tilvora cannot read its texts. Reinstall Tilvora to get a whole copy of it. When Tilvora runs from your own folder, deleting %3 is enough: the next start copies it again.</source>
        <translation>مواد کی فائل %1 خراب ہے (%2)، اس لیے تیلفورا اس کے متون نہیں پڑھ سکتا۔ مکمل نسخہ پانے کے لیے تیلفورا دوبارہ انسٹال کریں۔ جب تیلفورا آپ کے اپنے فولڈر سے چلتا ہو تو %3 کو حذف کرنا کافی ہے: اگلی بار شروع ہونے پر یہ دوبارہ نقل ہو جائے گی۔</translation>
    </message>
    <message>
        <source>The content file %1 is empty, so Tilvora has no texts to show. Reinstall Tilvora to get a whole copy of it. When Tilvora runs from your own folder, deleting %2 is enough: the next start copies it again.</source>
        <translation>مواد کی فائل %1 خالی ہے، اس لیے تیلفورا کے پاس دکھانے کو متون نہیں۔ مکمل نسخہ پانے کے لیے تیلفورا دوبارہ انسٹال کریں۔ جب تیلفورا آپ کے اپنے فولڈر سے چلتا ہو تو %2 کو حذف کرنا کافی ہے: اگلی بار شروع ہونے پر یہ دوبارہ نقل ہو جائے گی۔</translation>
    </message>
    <message>
        <source>The database file %1 does not exist.</source>
        <translation>ڈیٹا بیس کی فائل %1 موجود نہیں۔</translation>
    </message>
    <message>
        <source>%1 is not a database file.</source>
        <translation>%1 ڈیٹا بیس کی فائل نہیں۔</translation>
    </message>
    <message>
        <source>The database file %1 cannot be opened: %2</source>
        <translation>ڈیٹا بیس کی فائل %1 کھولی نہیں جا سکتی: %2</translation>
    </message>
    <message>
        <source>Your Tilvora folder %1 could not be brought up to date with the installed content, so Tilvora uses it as it was. %2</source>
        <translation>آپ کا تیلفورا فولڈر %1 انسٹال شدہ مواد کے مطابق تازہ نہیں ہو سکا، اس لیے تیلفورا اسے ویسے ہی استعمال کرتا ہے جیسا وہ تھا۔ %2</translation>
    </message>
    <message>
        <source>Tilvora could not make your own folder %1. %2</source>
        <translation>تیلفورا آپ کا اپنا فولڈر %1 نہیں بنا سکا۔ %2</translation>
    </message>
    <message>
        <source>The installed folder %1 holds no content database (DIC.DAT).</source>
        <translation>انسٹال شدہ فولڈر %1 میں مواد کا ڈیٹا بیس (DIC.DAT) نہیں۔</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>فولڈر %1 بنایا نہیں جا سکتا۔</translation>
    </message>
    <message>
        <source>Another Tilvora is updating %1; it was waited for a minute.</source>
        <translation>ایک اور تیلفورا %1 کو تازہ کر رہا ہے؛ ایک منٹ انتظار کیا گیا۔</translation>
    </message>
    <message>
        <source>A new folder beside %1 cannot be made: %2</source>
        <translation>%1 کے ساتھ نیا فولڈر بنایا نہیں جا سکتا: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>فائل %1 میں لکھا نہیں جا سکتا: %2</translation>
    </message>
    <message>
        <source>The link %1 to the installed recordings cannot be made: %2</source>
        <translation>انسٹال شدہ ریکارڈنگز کا لنک %1 بنایا نہیں جا سکتا: %2</translation>
    </message>
    <message>
        <source>The voice folders of %1 cannot be carried into the new content: %2</source>
        <translation>%1 کے آوازوں کے فولڈر نئے مواد میں منتقل نہیں ہو سکتے: %2</translation>
    </message>
    <message>
        <source>The new folder cannot take the place of %1: %2</source>
        <translation>نیا فولڈر %1 کی جگہ نہیں لے سکتا: %2</translation>
    </message>
    <message>
        <source>There is no voice %1.</source>
        <translation>آواز %1 موجود نہیں۔</translation>
    </message>
    <message>
        <source>The voice %1 has no media folder.</source>
        <translation>آواز %1 کا کوئی ریکارڈنگ فولڈر نہیں۔</translation>
    </message>
    <message>
        <source>The folder %1 holds no recording of chapter %2 (%3 or %4).</source>
        <translation>فولڈر %1 میں سورت %2 کی کوئی ریکارڈنگ نہیں (%3 یا %4)۔</translation>
    </message>
    <message>
        <source>There is no chapter %1.</source>
        <translation>سورت %1 موجود نہیں۔</translation>
    </message>
    <message>
        <source>The voice %1 has recordings of its own for chapter %2 (files other than %3, for %4 of its verses); the starts found were not stored over them.</source>
        <translation>آواز %1 کی سورت %2 کے لیے اپنی ریکارڈنگز ہیں (%3 کے علاوہ فائلیں، اس کی %4 آیات کے لیے)؛ ملنے والے آغاز ان کی جگہ محفوظ نہیں کیے گئے۔</translation>
    </message>
    <message>
        <source>No recitation found in %1: it holds only silence or steady noise.</source>
        <translation>%1 میں کوئی تلاوت نہیں ملی: اس میں صرف خاموشی یا یکساں شور ہے۔</translation>
    </message>
    <message>
        <source>No recitation found in %1: it pauses %2 times, where a recitation of the chapter&apos;s %3 verses pauses at least %4 times (a reciter pauses at the end of most verses).</source>
        <translation>%1 میں کوئی تلاوت نہیں ملی: اس میں %2 وقفے ہیں، جبکہ سورت کی %3 آیات کی تلاوت میں کم از کم %4 وقفے ہوتے ہیں (قاری اکثر آیات کے آخر پر رکتا ہے)۔</translation>
    </message>
    <message>
        <source>The recording %1 cannot be read.</source>
        <translation>ریکارڈنگ %1 پڑھی نہیں جا سکتی۔</translation>
    </message>
    <message>
        <source>The audio decoder gst-launch-1.0 could not be started; it comes with the package gstreamer1.0-tools.</source>
        <translation>آڈیو ڈیکوڈر gst-launch-1.0 شروع نہیں ہو سکا؛ یہ پیکیج gstreamer1.0-tools کے ساتھ آتا ہے۔</translation>
    </message>
    <message>
        <source>The file %1 is not an audio file.</source>
        <translation>فائل %1 آڈیو فائل نہیں۔</translation>
    </message>
    <message>
        <source>The recording %1 could not be decoded: %2</source>
        <translation>ریکارڈنگ %1 ڈیکوڈ نہیں ہو سکی: %2</translation>
    </message>
    <message>
        <source>The recording %1 holds no sound.</source>
        <translation>ریکارڈنگ %1 میں کوئی آواز نہیں۔</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address to download from (it must start with http:// or https://).</source>
        <translation>«%1» ڈاؤن لوڈ کے لیے ویب پتہ نہیں (اسے http:// یا https:// سے شروع ہونا چاہیے)۔</translation>
    </message>
    <message>
        <source>The chapters to download must run from 1 to 114, first to last, not %1 to %2.</source>
        <translation>ڈاؤن لوڈ کی جانے والی سورتیں 1 سے 114 تک، پہلی سے آخری تک ہونی چاہییں، %1 سے %2 تک نہیں۔</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>فولڈر %1 بنایا نہیں جا سکا۔</translation>
    </message>
    <message>
        <source>no space left on the disk</source>
        <translation>ڈسک پر جگہ باقی نہیں</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>سرور کا جواب: %1</translation>
    </message>
    <message>
        <source>the server sent a page (%1), not a recording</source>
        <translation>سرور نے ریکارڈنگ کے بجائے صفحہ (%1) بھیجا</translation>
    </message>
    <message>
        <source>the server announced %1 bytes, more than the %2 a verse&apos;s recording may take</source>
        <translation>سرور نے %1 بائٹ بتائے، جو ایک آیت کی ریکارڈنگ کی حد %2 سے زیادہ ہیں</translation>
    </message>
    <message>
        <source>the server resumed the file at the wrong place</source>
        <translation>سرور نے فائل غلط جگہ سے دوبارہ شروع کی</translation>
    </message>
    <message>
        <source>it is larger than the %1 a verse&apos;s recording may take</source>
        <translation>یہ ایک آیت کی ریکارڈنگ کی حد %1 سے بڑی ہے</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>وقت ختم ہو گیا</translation>
    </message>
    <message>
        <source>the server refused to resume the file</source>
        <translation>سرور نے فائل دوبارہ شروع کرنے سے انکار کیا</translation>
    </message>
    <message>
        <source>it arrived with %1 of %2 bytes</source>
        <translation>اس کے %2 میں سے %1 بائٹ پہنچے</translation>
    </message>
    <message>
        <source>the server sent the download to an address that is not http or https</source>
        <translation>سرور نے ڈاؤن لوڈ ایسے پتے پر بھیجا جو http یا https نہیں</translation>
    </message>
    <message>
        <source>the server sent the download elsewhere too many times</source>
        <translation>سرور نے ڈاؤن لوڈ بہت زیادہ بار کہیں اور بھیجا</translation>
    </message>
    <message>
        <source>the server stopped answering</source>
        <translation>سرور نے جواب دینا بند کر دیا</translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <translation>سرور تک رسائی نہیں ہو سکتی</translation>
    </message>
    <message>
        <source>the server is too slow</source>
        <translation>سرور بہت سست ہے</translation>
    </message>
    <message>
        <source>it arrived cut short (its last audio frame is incomplete)</source>
        <translation>یہ ادھورا پہنچا (اس کا آخری آڈیو فریم نامکمل ہے)</translation>
    </message>
    <message>
        <source>what arrived is not an MP3 recording</source>
        <translation>جو پہنچا وہ MP3 ریکارڈنگ نہیں</translation>
    </message>
    <message>
        <source>it could not be put in place: %1</source>
        <translation>اسے اپنی جگہ رکھا نہیں جا سکا: %1</translation>
    </message>
    <message>
        <source>it is larger than the %1 MB a chapter may take</source>
        <translation>یہ ایک سورت کی حد %1 MB سے بڑی ہے</translation>
    </message>
    <message>
        <source>chapter %1: %2</source>
        <translation>سورت %1: %2</translation>
    </message>
    <message>
        <source>the server sent a web page, not the text</source>
        <translation>سرور نے متن کے بجائے ویب صفحہ بھیجا</translation>
    </message>
    <message>
        <source>what arrived is not the service&apos;s data</source>
        <translation>جو پہنچا وہ سروس کا ڈیٹا نہیں</translation>
    </message>
    <message>
        <source>the service answered %1</source>
        <translation>سروس کا جواب: %1</translation>
    </message>
    <message>
        <source>the service&apos;s answer holds no list of texts</source>
        <translation>سروس کے جواب میں متون کی فہرست نہیں</translation>
    </message>
    <message>
        <source>the service sent chapter %1 instead</source>
        <translation>سروس نے اس کے بجائے سورت %1 بھیجی</translation>
    </message>
    <message>
        <source>it has %1 verses, the chapter has %2</source>
        <translation>اس میں %1 آیات ہیں، سورت میں %2 ہیں</translation>
    </message>
    <message>
        <source>its verse numbers are not 1 to %1, each once</source>
        <translation>اس کی آیات کے نمبر 1 سے %1 تک، ہر ایک ایک بار، نہیں</translation>
    </message>
    <message>
        <source>verse %1 has no text</source>
        <translation>آیت %1 کا کوئی متن نہیں</translation>
    </message>
    <message>
        <source>the service did not answer in time</source>
        <translation>سروس نے وقت پر جواب نہیں دیا</translation>
    </message>
    <message>
        <source>the service cannot be reached (%1)</source>
        <translation>سروس تک رسائی نہیں ہو سکتی (%1)</translation>
    </message>
    <message>
        <source>Your data could not be written to %1: %2.</source>
        <translation>آپ کا ڈیٹا %1 میں لکھا نہیں جا سکا: %2۔</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>فائل %1 پڑھی نہیں جا سکتی: %2۔</translation>
    </message>
    <message>
        <source>%1 is not a file of your Tilvora data (one written by File, Export my data). Nothing was changed.</source>
        <translation>%1 آپ کے تیلفورا ڈیٹا کی فائل نہیں (جو فائل، اپنا ڈیٹا برآمد کریں سے لکھی جاتی ہے)۔ کچھ نہیں بدلا۔</translation>
    </message>
    <message>
        <source>%1 was written by a newer Tilvora, whose data this one cannot read. Nothing was changed.</source>
        <translation>%1 تیلفورا کے نئے ورژن نے لکھی ہے، جس کا ڈیٹا یہ ورژن نہیں پڑھ سکتا۔ کچھ نہیں بدلا۔</translation>
    </message>
    <message>
        <source>your own file %1 cannot be used</source>
        <translation>آپ کی اپنی فائل %1 استعمال نہیں ہو سکتی</translation>
    </message>
    <message>
        <source>your own file cannot be changed now</source>
        <translation>آپ کی اپنی فائل ابھی بدلی نہیں جا سکتی</translation>
    </message>
    <message>
        <source>your own file could not be changed</source>
        <translation>آپ کی اپنی فائل بدلی نہیں جا سکی</translation>
    </message>
    <message>
        <source>%1 could not be imported: %2. Nothing was changed.</source>
        <translation>%1 درآمد نہیں ہو سکی: %2۔ کچھ نہیں بدلا۔</translation>
    </message>
    <message>
        <source>What you learn and your notes cannot be kept: the file %1 cannot be used. They last until Tilvora closes.</source>
        <translation>آپ جو یاد کرتے ہیں اور آپ کے نوٹس محفوظ نہیں رہ سکتے: فائل %1 استعمال نہیں ہو سکتی۔ وہ تیلفورا بند ہونے تک رہیں گے۔</translation>
    </message>
    <message>
        <source>Your bookmarks cannot be kept: the file %1 cannot be written. Bookmarks made now last until Tilvora closes.</source>
        <translation>آپ کے نشانات محفوظ نہیں رہ سکتے: فائل %1 میں لکھا نہیں جا سکتا۔ اب لگائے گئے نشانات تیلفورا بند ہونے تک رہیں گے۔</translation>
    </message>
    <message>
        <source>Your bookmarks file could not be read. It was set aside as %1, and Tilvora starts with no bookmarks.</source>
        <translation>آپ کے نشانات کی فائل پڑھی نہیں جا سکی۔ اسے %1 کے نام سے الگ رکھ دیا گیا، اور تیلفورا بغیر نشانات کے شروع ہوتا ہے۔</translation>
    </message>
    <message>
        <source>the text could not be stored: %1</source>
        <translation>متن محفوظ نہیں ہو سکا: %1</translation>
    </message>
    <message>
        <source>the text could not be installed: %1</source>
        <translation>متن انسٹال نہیں ہو سکا: %1</translation>
    </message>
</context>
<context>
    <name>PaneTexts</name>
    <message>
        <source>Search</source>
        <translation>تلاش</translation>
    </message>
    <message>
        <source>Whole Quran</source>
        <translation>پورا قرآن</translation>
    </message>
    <message>
        <source>Arabic without vowel marks, or words of a translation</source>
        <translation>اعراب کے بغیر عربی، یا کسی ترجمے کے الفاظ</translation>
    </message>
    <message>
        <source>Arabic is found without vowel marks; translations ignore letter case</source>
        <translation>عربی اعراب کے بغیر تلاش ہوتی ہے؛ تراجم میں چھوٹے بڑے حروف کا فرق نہیں</translation>
    </message>
    <message>
        <source>Search every verse of every text; unticked, only the page shown is searched</source>
        <translation>ہر متن کی ہر آیت میں تلاش کریں؛ نشان ہٹا دیں تو صرف دکھائے گئے صفحے میں</translation>
    </message>
    <message>
        <source>Chapter</source>
        <extracomment>The first entry of the list of chapters (surahs).</extracomment>
        <translation>سورت</translation>
    </message>
    <message>
        <source>Part</source>
        <extracomment>The first entry of the list of the thirty parts (juz).</extracomment>
        <translation>پارہ</translation>
    </message>
    <message>
        <source>Root (approx.)</source>
        <extracomment>The first entry of the list of roots, which are found automatically.</extracomment>
        <translation>مادہ (تقریبی)</translation>
    </message>
    <message>
        <source>Subject · موضوع</source>
        <extracomment>The first entry of the list of subjects, with the Arabic word.</extracomment>
        <translation>موضوع</translation>
    </message>
    <message>
        <source>كلمة · Word</source>
        <extracomment>The first entry of the list of words, with the Arabic word.</extracomment>
        <translation>لفظ · كلمة</translation>
    </message>
    <message>
        <source>Show a chapter (surah)</source>
        <translation>کوئی سورت دکھائیں</translation>
    </message>
    <message>
        <source>Show a part (juz)</source>
        <translation>کوئی پارہ دکھائیں</translation>
    </message>
    <message>
        <source>Show the verses of a root (roots are found automatically and are approximate)</source>
        <translation>کسی مادے کی آیات دکھائیں (مادے خودکار طور پر نکالے گئے اور تقریبی ہیں)</translation>
    </message>
    <message>
        <source>Show the verses of a subject</source>
        <translation>کسی موضوع کی آیات دکھائیں</translation>
    </message>
    <message>
        <source>Show the verses that hold a word (written without vowel marks)</source>
        <translation>وہ آیات دکھائیں جن میں کوئی لفظ ہو (اعراب کے بغیر لکھا)</translation>
    </message>
    <message>
        <source>Part %1</source>
        <translation>پارہ %1</translation>
    </message>
    <message>
        <source>Text in row %1</source>
        <extracomment>A screen reader&apos;s name of the list that chooses the text shown in a row of the reading pane; %1 is the row&apos;s number (1 to 4).</extracomment>
        <translation>صف %1 کا متن</translation>
    </message>
    <message>
        <source>Media folder of %1</source>
        <extracomment>A screen reader&apos;s name of the link beside a voice that sets the folder of its recordings; %1 is the voice&apos;s name.</extracomment>
        <translation>%1 کی ریکارڈنگز کا فولڈر</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 سیکنڈ</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 منٹ %2 سیکنڈ</translation>
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
        <translation>  کوئی آیت
  نہیں دکھائی گئی</translation>
    </message>
    <message numerus="yes">
        <source>  %Ln verses
  shown</source>
        <extracomment>The label beside the search box: how many verses the view shows.</extracomment>
        <translation>
            <numerusform>  %Ln آیت
  دکھائی گئی</numerusform>
            <numerusform>  %Ln آیات
  دکھائی گئیں</numerusform>
        </translation>
    </message>
    <message>
        <source>  No verse
  found</source>
        <extracomment>The label beside the search box: a search found nothing.</extracomment>
        <translation>  کوئی آیت
  نہیں ملی</translation>
    </message>
    <message numerus="yes">
        <source>  %Ln verses
  found</source>
        <extracomment>The label beside the search box: how many verses a search found (all shown).</extracomment>
        <translation>
            <numerusform>  %Ln آیت
  ملی</numerusform>
            <numerusform>  %Ln آیات
  ملیں</numerusform>
        </translation>
    </message>
    <message>
        <source>  %1 found,
  %2 shown</source>
        <extracomment>The label beside the search box: verses found, and how many of them are shown.</extracomment>
        <translation>  %1 ملیں،
  %2 دکھائی گئیں</translation>
    </message>
    <message>
        <source>Recitation ended. Left out, with no recording in “%1”: %2.</source>
        <extracomment>%1 is the voice, %2 the list of verses (chapter:verse) left out.</extracomment>
        <translation>تلاوت ختم ہوئی۔ «%1» میں ریکارڈنگ نہ ہونے کی وجہ سے چھوڑی گئیں: %2۔</translation>
    </message>
    <message>
        <source>%1 has no recording in “%2”: left out, the recitation goes on.</source>
        <extracomment>%1 is a verse (chapter:verse), %2 the voice.</extracomment>
        <translation>%1 کی «%2» میں ریکارڈنگ نہیں: چھوڑ دی گئی، تلاوت جاری ہے۔</translation>
    </message>
</context>
<context>
    <name>UserSettings</name>
    <message>
        <source>Your settings cannot be kept: %1 is a folder, not a file. The choices you make now last until Tilvora closes.</source>
        <translation>آپ کی ترتیبات محفوظ نہیں ہو سکتیں: %1 فائل نہیں بلکہ فولڈر ہے۔ ابھی کیے گئے انتخاب Tilvora بند ہونے تک رہیں گے۔</translation>
    </message>
    <message>
        <source>Your settings cannot be kept: the file %1 cannot be written. The choices you make now last until Tilvora closes.</source>
        <translation>آپ کی ترتیبات محفوظ نہیں ہو سکتیں: فائل %1 میں لکھا نہیں جا سکتا۔ ابھی کیے گئے انتخاب Tilvora بند ہونے تک رہیں گے۔</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged and cannot be replaced; the settings it holds are not all used.</source>
        <translation>ترتیبات کی فائل %1 خراب ہے اور بدلی نہیں جا سکتی؛ اس کی سب ترتیبات استعمال نہیں ہوتیں۔</translation>
    </message>
    <message>
        <source>The settings file %1 was damaged. The settings that could be read are kept; the others are back to their usual values.</source>
        <translation>ترتیبات کی فائل %1 خراب تھی۔ جو ترتیبات پڑھی جا سکیں وہ رکھ لی گئیں؛ باقی اپنی معمول کی قدروں پر واپس آ گئیں۔</translation>
    </message>
</context>
<context>
    <name>VerseMenu</name>
    <message>
        <source>Show in the &amp;mushaf</source>
        <translation>&amp;مصحف میں دکھائیں</translation>
    </message>
    <message>
        <source>&amp;Bookmark this verse</source>
        <translation>اس آیت پر &amp;نشان لگائیں</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;کاپی</translation>
    </message>
    <message>
        <source>Copy &amp;verse</source>
        <translation>&amp;آیت کاپی کریں</translation>
    </message>
    <message>
        <source>Copy &amp;reference</source>
        <translation>آیت کا &amp;حوالہ کاپی کریں</translation>
    </message>
    <message>
        <source>Recite from &amp;here</source>
        <translation>&amp;یہاں سے تلاوت</translation>
    </message>
    <message>
        <source>Re&amp;peat this verse...</source>
        <translation>یہ آیت &amp;دہرائیں...</translation>
    </message>
    <message>
        <source>Repeat from here &amp;to...</source>
        <translation>یہاں سے &amp;تک دہرائیں...</translation>
    </message>
    <message>
        <source>&amp;Note...</source>
        <translation>&amp;نوٹ...</translation>
    </message>
    <message>
        <source>&amp;Listen and repeat from here...</source>
        <translation>یہاں سے &amp;سنیں اور دہرائیں...</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::AboutWindow</name>
    <message>
        <source>Quran reader and recitation player</source>
        <translation>قرآن ریڈر اور تلاوت پلیئر</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>Artwork and program by the Tilvora developers. Most translations are for non-commercial use only.</source>
        <translation>تصاویر اور پروگرام Tilvora کے ڈویلپرز کی طرف سے۔ زیادہ تر تراجم صرف غیر تجارتی استعمال کے لیے ہیں۔</translation>
    </message>
    <message>
        <source>Tilvora shows the Quran with its translations and recites it.</source>
        <translation>Tilvora قرآن کو اس کے تراجم کے ساتھ دکھاتا اور اس کی تلاوت سناتا ہے۔</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ChapterAlignmentDialog</name>
    <message>
        <source>Replace Them</source>
        <translation>بدل دیں</translation>
    </message>
    <message>
        <source>Keep Them</source>
        <translation>رہنے دیں</translation>
    </message>
    <message>
        <source>Verse starts in the chapter files</source>
        <extracomment>The title of the window that finds where each verse starts in recordings of whole chapters.</extracomment>
        <translation>سورت فائلوں میں آیات کے آغاز</translation>
    </message>
    <message>
        <source>Verse starts in the chapter files - %1</source>
        <translation>سورت فائلوں میں آیات کے آغاز - %1</translation>
    </message>
    <message>
        <source>Looking for the chapter files...</source>
        <translation>سورت فائلیں تلاش کی جا رہی ہیں...</translation>
    </message>
    <message>
        <source>Verses to check (their starts were found with low confidence):</source>
        <translation>جانچنے کی آیات (ان کا آغاز کم یقین سے ملا):</translation>
    </message>
    <message>
        <source>Verse</source>
        <translation>آیت</translation>
    </message>
    <message>
        <source>Start (s)</source>
        <extracomment>A column heading: where the verse starts, in seconds.</extracomment>
        <translation>آغاز (سیکنڈ)</translation>
    </message>
    <message>
        <source>Confidence</source>
        <translation>یقین</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>After a number of seconds.</extracomment>
        <translation> سیکنڈ</translation>
    </message>
    <message>
        <source>- 0.1 s</source>
        <extracomment>Moves the verse&apos;s start a tenth of a second earlier.</extracomment>
        <translation>- 0.1 سیکنڈ</translation>
    </message>
    <message>
        <source>+ 0.1 s</source>
        <extracomment>Moves the verse&apos;s start a tenth of a second later.</extracomment>
        <translation>+ 0.1 سیکنڈ</translation>
    </message>
    <message>
        <source>Play around it</source>
        <extracomment>Plays the recording from a little before the verse&apos;s start.</extracomment>
        <translation>آس پاس سنیں</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>محفوظ کریں</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>آغاز:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>روکا جا رہا ہے...</translation>
    </message>
    <message>
        <source>No chapter file was found (001.mp3 ... 114.mp3, or .wma). %1</source>
        <extracomment>%1 is the reason the first chapter file could not be used.</extracomment>
        <translation>کوئی سورت فائل نہیں ملی (001.mp3 ... 114.mp3، یا .wma)۔ %1</translation>
    </message>
    <message numerus="yes">
        <source>This voice already has recordings of its own for %n verses in the chapters %1 (a file per verse, say). Replace them with the starts found in the chapter files?

If you keep them, those chapters are left as they are.</source>
        <extracomment>%n is the number of verses; %1 the list of chapter numbers.</extracomment>
        <translation>
            <numerusform>اس قاری کی سورتوں %1 میں %n آیت کی اپنی ریکارڈنگ پہلے سے موجود ہے (مثلاً ہر آیت کی ایک فائل)۔ کیا اسے سورت فائلوں میں ملنے والے آغاز سے بدل دیں؟

اگر رہنے دیں تو وہ سورتیں جیسی ہیں ویسی رہیں گی۔</numerusform>
            <numerusform>اس قاری کی سورتوں %1 میں %n آیات کی اپنی ریکارڈنگز پہلے سے موجود ہیں (مثلاً ہر آیت کی ایک فائل)۔ کیا انہیں سورت فائلوں میں ملنے والے آغاز سے بدل دیں؟

اگر رہنے دیں تو وہ سورتیں جیسی ہیں ویسی رہیں گی۔</numerusform>
        </translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>سورت %1</translation>
    </message>
    <message>
        <source>The voice&apos;s own recordings were kept.</source>
        <translation>قاری کی اپنی ریکارڈنگز رکھ لی گئیں۔</translation>
    </message>
    <message>
        <source>Nothing was changed: the voice keeps its own recordings.</source>
        <translation>کچھ نہیں بدلا: قاری کی اپنی ریکارڈنگز برقرار ہیں۔</translation>
    </message>
    <message numerus="yes">
        <source>Finding the verse starts of %n chapters...</source>
        <translation>
            <numerusform>%n سورت میں آیات کے آغاز تلاش کیے جا رہے ہیں...</numerusform>
            <numerusform>%n سورتوں میں آیات کے آغاز تلاش کیے جا رہے ہیں...</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped: nothing was stored.</source>
        <translation>روک دیا گیا: کچھ محفوظ نہیں ہوا۔</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: the starts of %1 of %n chapters are stored.</source>
        <translation>
            <numerusform>روک دیا گیا: %n سورت میں سے %1 کے آغاز محفوظ ہوئے۔</numerusform>
            <numerusform>روک دیا گیا: %n سورتوں میں سے %1 کے آغاز محفوظ ہوئے۔</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Done: the starts of %1 of %2 chapters are stored; %n verses to check.</source>
        <extracomment>%1 chapters stored out of %2; %n verses to check by ear.</extracomment>
        <translation>
            <numerusform>مکمل: %2 سورتوں میں سے %1 کے آغاز محفوظ ہوئے؛ جانچنے کے لیے %n آیت۔</numerusform>
            <numerusform>مکمل: %2 سورتوں میں سے %1 کے آغاز محفوظ ہوئے؛ جانچنے کے لیے %n آیات۔</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>The start could not be stored: %1</source>
        <extracomment>%1 is the reason.</extracomment>
        <translation>آغاز محفوظ نہیں ہو سکا: %1</translation>
    </message>
    <message>
        <source>Verse %1:%2 now starts at %3 s.</source>
        <extracomment>%1:%2 is the verse as chapter:verse, %3 a number of seconds.</extracomment>
        <translation>آیت %1:%2 اب %3 سیکنڈ پر شروع ہوتی ہے۔</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ChoiceMemory</name>
    <message>
        <source>&amp;Remember My Texts and Voice</source>
        <extracomment>Whether the texts and the voice chosen in the control pane are chosen again at the next start.</extracomment>
        <translation>میرے متن اور قاری &amp;یاد رکھیں</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ControlPaneFollower</name>
    <message>
        <source>— None —</source>
        <extracomment>The entry of a row&apos;s list of texts that empties the row.</extracomment>
        <translation>— کوئی نہیں —</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::DownloadDialog</name>
    <message>
        <source>%1 KB</source>
        <extracomment>A size in kilobytes.</extracomment>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>A size in megabytes.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>A time left: seconds.</extracomment>
        <translation>%1 سیکنڈ</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <extracomment>A time left: minutes and seconds.</extracomment>
        <translation>%1 منٹ %2 سیکنڈ</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>A time left: hours and minutes.</extracomment>
        <translation>%1 گھنٹے %2 منٹ</translation>
    </message>
    <message>
        <source>Download recitation</source>
        <translation>تلاوت ڈاؤن لوڈ کریں</translation>
    </message>
    <message>
        <source>%1 (%2 kbps)</source>
        <extracomment>A reciter and the bit rate of the recordings.</extracomment>
        <translation>%1 (%2 kbps)</translation>
    </message>
    <message>
        <source>Another address...</source>
        <translation>کوئی اور پتہ...</translation>
    </message>
    <message>
        <source>SSSAAA.mp3 (chapter and verse)</source>
        <translation>SSSAAA.mp3 (سورت اور آیت)</translation>
    </message>
    <message>
        <source>N.mp3 (verse number in the book)</source>
        <translation>N.mp3 (پورے قرآن میں آیت کا نمبر)</translation>
    </message>
    <message>
        <source>to</source>
        <translation>تا</translation>
    </message>
    <message>
        <source>A voice without a folder gets one in your data folder.</source>
        <translation>جس قاری کا فولڈر نہ ہو اسے آپ کے ڈیٹا فولڈر میں فولڈر دیا جاتا ہے۔</translation>
    </message>
    <message>
        <source>Reciter:</source>
        <translation>قاری:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>پتہ:</translation>
    </message>
    <message>
        <source>File names:</source>
        <translation>فائلوں کے نام:</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>سورتیں:</translation>
    </message>
    <message>
        <source>Voice to fill:</source>
        <translation>کس قاری کو بھرنا ہے:</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ڈاؤن لوڈ</translation>
    </message>
    <message>
        <source>No voice reads one file per verse (SSSAAA.mp3), so there is no voice to fill.</source>
        <translation>کوئی قاری ہر آیت کی الگ فائل (SSSAAA.mp3) نہیں پڑھتا، اس لیے بھرنے کو کوئی قاری نہیں۔</translation>
    </message>
    <message>
        <source>Into %1</source>
        <translation>%1 میں</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3</source>
        <extracomment>%1 files done of %2, %3 the size received so far.</extracomment>
        <translation>%2 میں سے %1 فائلیں، %3</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3, %4/s</source>
        <extracomment>%1 files done of %2, %3 the size received so far, %4 the size received per second.</extracomment>
        <translation>%2 میں سے %1 فائلیں، %3، %4/سیکنڈ</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3, %4/s, about %5 left</source>
        <extracomment>As before, and %5 the time left, e.g. &quot;3 min 20 s&quot;.</extracomment>
        <translation>%2 میں سے %1 فائلیں، %3، %4/سیکنڈ، تقریباً %5 باقی</translation>
    </message>
    <message>
        <source>Cancelled. </source>
        <translation>منسوخ ہو گیا۔ </translation>
    </message>
    <message>
        <source>The download stopped: %1. </source>
        <translation>ڈاؤن لوڈ رک گیا: %1۔ </translation>
    </message>
    <message>
        <source>%1 stored, %2 already there, %3 failed.</source>
        <extracomment>Files stored, files that were there already, files that failed.</extracomment>
        <translation>%1 محفوظ ہوئیں، %2 پہلے سے موجود تھیں، %3 ناکام رہیں۔</translation>
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
        <translation>ریکارڈنگ %1 نہیں چل سکتی: GStreamer کا playbin انسٹال نہیں۔</translation>
    </message>
    <message>
        <source>The recording %1 could not be opened.</source>
        <translation>ریکارڈنگ %1 کھل نہیں سکی۔</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>نامعلوم خرابی</translation>
    </message>
    <message>
        <source>The recording %1 could not be played: %2</source>
        <translation>ریکارڈنگ %1 نہیں چل سکی: %2</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <extracomment>The View menu&apos;s submenu that sets the language of the program&apos;s windows.</extracomment>
        <translation>&amp;زبان</translation>
    </message>
    <message>
        <source>System Default</source>
        <extracomment>The language of the system (the default), as opposed to one chosen here.</extracomment>
        <translation>سسٹم کی زبان</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MainWindow</name>
    <message>
        <source> .:: Tilvora (version %1) ::.</source>
        <extracomment>The main window&apos;s title; %1 is the version, e.g. 2.08.09A.</extracomment>
        <translation>‏ .:: Tilvora (ورژن %1) ::.</translation>
    </message>
    <message>
        <source>Drag to widen or narrow the control pane; double-click for the usual width</source>
        <translation>کنٹرول پین کو چوڑا یا تنگ کرنے کے لیے گھسیٹیں؛ معمول کی چوڑائی کے لیے دو بار کلک کریں</translation>
    </message>
    <message>
        <source>Left and Right move it; Space gives the panes their usual widths</source>
        <translation>بائیں اور دائیں تیر اسے ہٹاتے ہیں؛ اسپیس پینز کو معمول کی چوڑائی دیتا ہے</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>کنٹرول</translation>
    </message>
    <message>
        <source>Go to the search box</source>
        <translation>تلاش کے خانے پر جائیں</translation>
    </message>
    <message>
        <source>  Search Result(s):  </source>
        <extracomment>The label beside the search box before anything was shown.</extracomment>
        <translation>  تلاش کے نتائج:  </translation>
    </message>
    <message>
        <source>Search</source>
        <translation>تلاش</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>Controls menu</source>
        <translation>کنٹرول مینو</translation>
    </message>
    <message>
        <source>Pane divider</source>
        <extracomment>The strip between the reading pane and the control pane, which moves them apart when dragged.</extracomment>
        <translation>پین کی تقسیم</translation>
    </message>
    <message>
        <source>&amp;Controls</source>
        <extracomment>The menu of the control pane (the pane where the texts and the voice are chosen).</extracomment>
        <translation>&amp;کنٹرول</translation>
    </message>
    <message>
        <source>&amp;Hide/Un-Hide Pane</source>
        <extracomment>Hides the control pane, or shows it again.</extracomment>
        <translation>پین &amp;چھپائیں/دکھائیں</translation>
    </message>
    <message>
        <source>Set Data &amp;Path</source>
        <extracomment>The submenu that sets the folder where a voice&apos;s recordings are.</extracomment>
        <translation>ریکارڈنگز کا &amp;فولڈر مقرر کریں</translation>
    </message>
    <message>
        <source>Voice %1</source>
        <translation>قاری %1</translation>
    </message>
    <message>
        <source>&amp;Download recitation...</source>
        <translation>تلاوت &amp;ڈاؤن لوڈ کریں...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;تعارف</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;فائل</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;بند کریں</translation>
    </message>
    <message>
        <source>An unexpected failure stopped the request.</source>
        <translation>ایک غیر متوقع خرابی نے درخواست روک دی۔</translation>
    </message>
    <message>
        <source>Download &amp;texts...</source>
        <translation>متون &amp;ڈاؤن لوڈ کریں...</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MediaFolderDialog</name>
    <message>
        <source>Specify / Select a valid Path...</source>
        <extracomment>The title of the dialog that sets the folder of a voice&apos;s recordings.</extracomment>
        <translation>درست فولڈر بتائیں / منتخب کریں...</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>%1 is the dialog&apos;s title, %2 the voice.</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Please browse the path of the Media Files Folder :</source>
        <translation>براہ کرم آڈیو فائلوں کا فولڈر منتخب کریں:</translation>
    </message>
    <message>
        <source>Mounted volumes</source>
        <translation>منسلک ڈرائیوز</translation>
    </message>
    <message>
        <source>This folder holds one file per chapter</source>
        <translation>اس فولڈر میں ہر سورت کی ایک فائل ہے</translation>
    </message>
    <message>
        <source>Find where each verse starts in the chapter files (001.mp3 ... 114.mp3)</source>
        <translation>سورت فائلوں میں ہر آیت کا آغاز تلاش کریں (001.mp3 ... 114.mp3)</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>قبول کریں</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ</translation>
    </message>
    <message>
        <source>Mapping Path exception...</source>
        <extracomment>The title of the message that the voice&apos;s stored folder cannot be opened.</extracomment>
        <translation>فولڈر نہیں ملا...</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MemoriseDesk</name>
    <message>
        <source>&amp;Memorise</source>
        <translation>&amp;حفظ</translation>
    </message>
    <message>
        <source>&amp;Learn this page / verse range / chapter...</source>
        <translation>یہ صفحہ / آیات / سورت &amp;حفظ کریں...</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;review</source>
        <translation>آج کی &amp;دہرائی</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;پیش رفت</translation>
    </message>
    <message>
        <source>&amp;Forget...</source>
        <translation>&amp;بھلا دیں...</translation>
    </message>
    <message>
        <source>Daily &amp;limit...</source>
        <translation>روزانہ &amp;حد...</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;review (%1)</source>
        <extracomment>%1 is how many pages are due today.</extracomment>
        <translation>آج کی &amp;دہرائی (%1)</translation>
    </message>
    <message>
        <source>&amp;Export my data...</source>
        <translation>اپنا ڈیٹا &amp;برآمد کریں...</translation>
    </message>
    <message>
        <source>&amp;Import my data...</source>
        <translation>اپنا ڈیٹا &amp;درآمد کریں...</translation>
    </message>
    <message>
        <source>&amp;Notes...</source>
        <translation>&amp;نوٹس...</translation>
    </message>
    <message>
        <source>Memorise</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Nothing is due for review today. Take up a page with Memorise, Learn.</source>
        <translation>آج دہرانے کو کچھ نہیں۔ حفظ، حفظ کریں سے ایک صفحہ لیں۔</translation>
    </message>
    <message>
        <source>The grade of page %1 could not be stored in your file.</source>
        <translation>صفحہ %1 کا درجہ آپ کی فائل میں محفوظ نہ ہو سکا۔</translation>
    </message>
    <message>
        <source>The verses to learn could not be stored in your file.</source>
        <translation>حفظ کی آیات آپ کی فائل میں محفوظ نہ ہو سکیں۔</translation>
    </message>
    <message>
        <source>The verses could not be taken out: your file could not be changed.</source>
        <translation>آیات نکالی نہ جا سکیں: آپ کی فائل بدلی نہ جا سکی۔</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>بھلا دیں</translation>
    </message>
    <message>
        <source>Learn</source>
        <translation>حفظ کریں</translation>
    </message>
    <message>
        <source>&amp;Forget</source>
        <translation>&amp;بھلا دیں</translation>
    </message>
    <message>
        <source>&amp;Learn</source>
        <translation>&amp;حفظ کریں</translation>
    </message>
    <message>
        <source>You are learning %1 now; it is due for review today.</source>
        <translation>اب آپ %1 حفظ کر رہے ہیں؛ اس کی دہرائی آج ہے۔</translation>
    </message>
    <message>
        <source>Take %1 out of what you are learning? Its review schedule goes; the history of its reviews stays.</source>
        <translation>%1 کو حفظ سے نکال دیں؟ اس کی دہرائی کا نظام الاوقات ختم ہوگا؛ دہرائیوں کی تاریخ باقی رہے گی۔</translation>
    </message>
    <message>
        <source>%1 is taken out of what you are learning.</source>
        <translation>%1 حفظ سے نکال دیا گیا۔</translation>
    </message>
    <message>
        <source>Daily limit</source>
        <translation>روزانہ حد</translation>
    </message>
    <message>
        <source>Pages to review a day at most (1 to %1):</source>
        <translation>ایک دن میں زیادہ سے زیادہ دہرائے جانے والے صفحات (1 تا %1):</translation>
    </message>
    <message>
        <source>The daily limit could not be stored in your file.</source>
        <translation>روزانہ حد آپ کی فائل میں محفوظ نہ ہو سکی۔</translation>
    </message>
    <message>
        <source>The note could not be stored in your file.</source>
        <translation>نوٹ آپ کی فائل میں محفوظ نہ ہو سکا۔</translation>
    </message>
    <message>
        <source>Your data is written to %1: %2 bookmarks, %3 notes, %4 verses being learnt.</source>
        <extracomment>After the export: how many of each were written.</extracomment>
        <translation>آپ کا ڈیٹا %1 میں لکھ دیا گیا: %2 نشانات، %3 نوٹس، زیر حفظ %4 آیات۔</translation>
    </message>
    <message>
        <source>Taken in from %1: %2 bookmarks, %3 notes, %4 verses being learnt, joined with yours; nothing of yours was lost.</source>
        <translation>%1 سے لیا گیا: %2 نشانات، %3 نوٹس، زیر حفظ %4 آیات، آپ کے ڈیٹا میں شامل؛ آپ کا کچھ ضائع نہیں ہوا۔</translation>
    </message>
    <message>
        <source>Export my data</source>
        <translation>اپنا ڈیٹا برآمد کریں</translation>
    </message>
    <message>
        <source>Tilvora data (*.json)</source>
        <translation>Tilvora ڈیٹا (*.json)</translation>
    </message>
    <message>
        <source>Import my data</source>
        <translation>اپنا ڈیٹا درآمد کریں</translation>
    </message>
    <message>
        <source>Tilvora data (*.json);;All files (*)</source>
        <translation>Tilvora ڈیٹا (*.json);;تمام فائلیں (*)</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MushafMode</name>
    <message>
        <source>&amp;Mushaf pages</source>
        <extracomment>The reading pane&apos;s second mode: the pages of a printed copy of the Quran.</extracomment>
        <translation>&amp;مصحف کے صفحات</translation>
    </message>
    <message>
        <source>&amp;Go to page...</source>
        <translation>صفحے پر &amp;جائیں...</translation>
    </message>
    <message>
        <source>&amp;Hide the text</source>
        <extracomment>Hides the text of the mushaf&apos;s page, for reciting from memory.</extracomment>
        <translation>متن &amp;چھپائیں</translation>
    </message>
    <message>
        <source>&amp;Reveal</source>
        <extracomment>Shows hidden text of the mushaf&apos;s page again, step by step.</extracomment>
        <translation>&amp;ظاہر کریں</translation>
    </message>
    <message>
        <source>Next &amp;word</source>
        <translation>اگلا &amp;لفظ</translation>
    </message>
    <message>
        <source>Rest of the &amp;line</source>
        <translation>باقی &amp;سطر</translation>
    </message>
    <message>
        <source>Rest of the &amp;verse</source>
        <translation>باقی &amp;آیت</translation>
    </message>
    <message>
        <source>&amp;Everything</source>
        <translation>&amp;سب</translation>
    </message>
    <message>
        <source>&amp;Hide the last word again</source>
        <translation>آخری لفظ دوبارہ &amp;چھپائیں</translation>
    </message>
    <message>
        <source>Mushaf pages</source>
        <translation>مصحف کے صفحات</translation>
    </message>
    <message>
        <source>Go to page</source>
        <translation>صفحے پر جائیں</translation>
    </message>
    <message>
        <source>Page of the mushaf (1 to %1):</source>
        <extracomment>%1 is the number of the mushaf&apos;s last page.</extracomment>
        <translation>مصحف کا صفحہ (1 تا %1):</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::NoteDialog</name>
    <message>
        <source>Note on %1</source>
        <extracomment>%1 names the verse, as Al-Baqarah 2:255.</extracomment>
        <translation>%1 پر نوٹ</translation>
    </message>
    <message>
        <source>Your note</source>
        <translation>آپ کا نوٹ</translation>
    </message>
    <message>
        <source>Saved as you typed it. An empty note is removed.</source>
        <translation>جیسا آپ نے لکھا ویسا محفوظ ہوتا ہے۔ خالی نوٹ حذف ہو جاتا ہے۔</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::NotesDialog</name>
    <message>
        <source>Your notes</source>
        <translation>آپ کے نوٹس</translation>
    </message>
    <message>
        <source>Search in your notes</source>
        <translation>اپنے نوٹس میں تلاش کریں</translation>
    </message>
    <message>
        <source>Verse</source>
        <translation>آیت</translation>
    </message>
    <message>
        <source>First line</source>
        <translation>پہلی سطر</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>تبدیل</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;کھولیں</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;ترمیم...</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;تلاش:</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::PlayerStrip</name>
    <message>
        <source>Play</source>
        <translation>چلائیں</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>روکیں</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>مقام</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>آواز بند</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>آواز</translation>
    </message>
    <message>
        <source>Previous verse</source>
        <translation>پچھلی آیت</translation>
    </message>
    <message>
        <source>Next verse</source>
        <translation>اگلی آیت</translation>
    </message>
    <message>
        <source>Repeat: how often each verse and the whole range are recited, and the pause between</source>
        <translation>دہرانا: ہر آیت اور پورا حصہ کتنی بار پڑھا جائے، اور درمیان کا وقفہ</translation>
    </message>
    <message>
        <source> times</source>
        <extracomment>After a spin box&apos;s number: how often a verse or a range is recited.</extracomment>
        <translation> بار</translation>
    </message>
    <message>
        <source>until stopped</source>
        <translation>روکنے تک</translation>
    </message>
    <message>
        <source> ms</source>
        <extracomment>After a spin box&apos;s number: milliseconds.</extracomment>
        <translation> ملی سیکنڈ</translation>
    </message>
    <message>
        <source>Each verse:</source>
        <translation>ہر آیت:</translation>
    </message>
    <message>
        <source>The whole range:</source>
        <translation>پورا حصہ:</translation>
    </message>
    <message>
        <source>Pause between:</source>
        <translation>درمیانی وقفہ:</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>رفتار</translation>
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
        <translation>دہرائیں %1</translation>
    </message>
    <message>
        <source>Repeat: each verse %1 times, the range until stopped</source>
        <translation>دہرانا: ہر آیت %1 بار، پورا حصہ روکنے تک</translation>
    </message>
    <message>
        <source>Repeat: each verse %1 times, the range %2 times</source>
        <translation>دہرانا: ہر آیت %1 بار، پورا حصہ %2 بار</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>وقفہ</translation>
    </message>
    <message>
        <source>error</source>
        <translation>خرابی</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>آواز کھولیں</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ProgressDialog</name>
    <message>
        <source>Progress</source>
        <translation>پیش رفت</translation>
    </message>
    <message>
        <source>Verses learnt: %1 (and %2 being learnt).
Pages learnt whole: %3.
Days in a row with a review: %4.</source>
        <translation>حفظ شدہ آیات: %1 (اور %2 زیر حفظ)۔
مکمل حفظ شدہ صفحات: %3۔
مسلسل دہرائی والے دن: %4۔</translation>
    </message>
    <message>
        <source>Share of each part taken up, and pages due on each of the next 14 days</source>
        <translation>ہر پارے کا زیر حفظ حصہ، اور اگلے 14 دنوں میں ہر دن دہرانے کے صفحات</translation>
    </message>
    <message>
        <source>Each part: the share of its verses you are learning</source>
        <translation>ہر پارہ: اس کی آیات کا وہ حصہ جو آپ حفظ کر رہے ہیں</translation>
    </message>
    <message>
        <source>Pages due on each of the next 14 days</source>
        <translation>اگلے 14 دنوں میں ہر دن دہرانے کے صفحات</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::RangeDialog</name>
    <message>
        <source>A page of the mushaf</source>
        <translation>مصحف کا ایک صفحہ</translation>
    </message>
    <message>
        <source>A range of verses</source>
        <translation>آیات کا سلسلہ</translation>
    </message>
    <message>
        <source>A chapter</source>
        <translation>ایک سورت</translation>
    </message>
    <message>
        <source>A part (juz)</source>
        <translation>ایک پارہ</translation>
    </message>
    <message>
        <source>chapter:verse</source>
        <extracomment>A verse is written chapter:verse, as 2:255.</extracomment>
        <translation>سورت:آیت</translation>
    </message>
    <message>
        <source>&amp;What:</source>
        <translation>&amp;کیا:</translation>
    </message>
    <message>
        <source>&amp;Number:</source>
        <translation>&amp;نمبر:</translation>
    </message>
    <message>
        <source>&amp;From verse:</source>
        <translation>&amp;آیت سے:</translation>
    </message>
    <message>
        <source>&amp;To verse:</source>
        <translation>آیت &amp;تک:</translation>
    </message>
    <message>
        <source>page %1</source>
        <translation>صفحہ %1</translation>
    </message>
    <message>
        <source>chapter %1</source>
        <translation>سورت %1</translation>
    </message>
    <message>
        <source>part %1</source>
        <translation>پارہ %1</translation>
    </message>
    <message>
        <source>the verses %1 to %2</source>
        <translation>آیات %1 تا %2</translation>
    </message>
    <message>
        <source>No verse begins on this page.</source>
        <translation>اس صفحے پر کوئی آیت شروع نہیں ہوتی۔</translation>
    </message>
    <message>
        <source>The verses run from %1 to a later verse.</source>
        <translation>آیات %1 سے بعد والی آیت تک ہوتی ہیں۔</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ReadingComfort</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;منظر</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;تھیم</translation>
    </message>
    <message>
        <source>Arabic &amp;Font</source>
        <translation>عربی &amp;فونٹ</translation>
    </message>
    <message>
        <source>As the Text Defines</source>
        <extracomment>The Arabic font the text&apos;s own program names.</extracomment>
        <translation>جیسا متن بتائے</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;بڑا کریں</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;چھوٹا کریں</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;اصل سائز</translation>
    </message>
    <message>
        <source>&amp;Next Match</source>
        <translation>&amp;اگلا نتیجہ</translation>
    </message>
    <message>
        <source>&amp;Previous Match</source>
        <translation>&amp;پچھلا نتیجہ</translation>
    </message>
    <message>
        <source>&amp;Bookmarks</source>
        <translation>&amp;نشانات</translation>
    </message>
    <message>
        <source>&amp;Bookmark the Verse at the Top</source>
        <translation>سب سے اوپر والی آیت پر &amp;نشان لگائیں</translation>
    </message>
    <message>
        <source>&amp;Remove Bookmark</source>
        <translation>نشان &amp;ہٹائیں</translation>
    </message>
    <message>
        <source>The bookmark of %1 was not removed: %2.</source>
        <translation>%1 کا نشان نہیں ہٹا: %2۔</translation>
    </message>
    <message>
        <source>Your bookmark of %1 was not stored: %2.</source>
        <extracomment>%1 is a verse as chapter:verse, %2 the reason.</extracomment>
        <translation>%1 پر آپ کا نشان محفوظ نہیں ہوا: %2۔</translation>
    </message>
    <message>
        <source>Sepia</source>
        <extracomment>A colour theme: brown text on a cream page.</extracomment>
        <translation>سیپیا</translation>
    </message>
    <message>
        <source>Dark</source>
        <extracomment>A colour theme: light text on a dark page.</extracomment>
        <translation>گہرا</translation>
    </message>
    <message>
        <source>Light</source>
        <extracomment>A colour theme: the pages&apos; own colours.</extracomment>
        <translation>ہلکا</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>There is no verse to bookmark here.</source>
        <translation>یہاں نشان لگانے کو کوئی آیت نہیں۔</translation>
    </message>
    <message>
        <source>Bookmarked %1 (Bookmarks menu).</source>
        <extracomment>%1 is the verse, e.g. &quot;Al-Fatihah 1:2&quot;.</extracomment>
        <translation>%1 پر نشان لگ گیا (نشانات مینو)۔</translation>
    </message>
    <message>
        <source>%1 is bookmarked already.</source>
        <translation>%1 پر پہلے سے نشان ہے۔</translation>
    </message>
    <message>
        <source>The place where you stopped reading (%1) was not stored: %2.</source>
        <extracomment>%1 is a verse as chapter:verse, %2 the reason.</extracomment>
        <translation>جہاں آپ نے پڑھنا روکا (%1) وہ جگہ محفوظ نہیں ہوئی: %2۔</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>سورت %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A chapter&apos;s heading: %1 its number, %2 its name.</extracomment>
        <translation>%2 %1</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::RepeatDialog</name>
    <message>
        <source>Repeat from %1 to...</source>
        <translation>%1 سے ... تک دہرائیں</translation>
    </message>
    <message>
        <source>Repeat verse %1</source>
        <translation>آیت %1 دہرائیں</translation>
    </message>
    <message>
        <source>chapter:verse, e.g. 2:5</source>
        <translation>سورت:آیت، مثلاً 2:5</translation>
    </message>
    <message>
        <source>From %1 to verse:</source>
        <translation>%1 سے آیت تک:</translation>
    </message>
    <message>
        <source> times</source>
        <translation> بار</translation>
    </message>
    <message>
        <source>until stopped</source>
        <translation>روکنے تک</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ملی سیکنڈ</translation>
    </message>
    <message>
        <source>Each verse:</source>
        <translation>ہر آیت:</translation>
    </message>
    <message>
        <source>The verse:</source>
        <translation>آیت:</translation>
    </message>
    <message>
        <source>The whole range:</source>
        <translation>پورا حصہ:</translation>
    </message>
    <message>
        <source>Pause between:</source>
        <translation>درمیانی وقفہ:</translation>
    </message>
    <message>
        <source>Recite</source>
        <translation>تلاوت کریں</translation>
    </message>
    <message>
        <source>No</source>
        <translation>نہیں</translation>
    </message>
    <message>
        <source>As long as the verse took, times %1</source>
        <extracomment>Listen and repeat: wait this many times as long as the verse took.</extracomment>
        <translation>آیت کے دورانیے کا %1 گنا</translation>
    </message>
    <message>
        <source>Time to say each verse back:</source>
        <translation>ہر آیت دہرانے کا وقت:</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ReviewWindow</name>
    <message>
        <source>Today&apos;s review</source>
        <translation>آج کی دہرائی</translation>
    </message>
    <message>
        <source>Recite the page from memory, then reveal it and grade how well you knew it.</source>
        <translation>صفحہ زبانی پڑھیں، پھر اسے کھولیں اور بتائیں کہ آپ کو کتنا یاد تھا۔</translation>
    </message>
    <message>
        <source>Next word</source>
        <translation>اگلا لفظ</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>اسپیس</translation>
    </message>
    <message>
        <source>Rest of the line</source>
        <translation>سطر کا باقی</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>انٹر</translation>
    </message>
    <message>
        <source>Everything</source>
        <translation>سب</translation>
    </message>
    <message>
        <source>Ctrl+Enter</source>
        <translation>Ctrl+انٹر</translation>
    </message>
    <message>
        <source>Hide a word again</source>
        <translation>ایک لفظ پھر چھپائیں</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>بیک اسپیس</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>دوبارہ</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>مشکل</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>اچھا</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>آسان</translation>
    </message>
    <message>
        <source>Listen to the page</source>
        <translation>صفحہ سنیں</translation>
    </message>
    <message>
        <source>How well did you know it?</source>
        <translation>آپ کو کتنا یاد تھا؟</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A button&apos;s text and, in brackets, the key that presses it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Page %1 (%2 of %3)</source>
        <translation>صفحہ %1 (%3 میں سے %2)</translation>
    </message>
    <message>
        <source>Nothing is due for review today.</source>
        <translation>آج دہرانے کو کچھ نہیں۔</translation>
    </message>
    <message>
        <source>Review done. Pages graded: %1.</source>
        <translation>دہرائی مکمل۔ درجہ دیے گئے صفحات: %1۔</translation>
    </message>
    <message>
        <source>Again %1, hard %2, good %3, easy %4.</source>
        <translation>دوبارہ %1، مشکل %2، اچھا %3، آسان %4۔</translation>
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
        <translation>پیش رفت</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>لوڈ ہو رہا ہے، براہ کرم انتظار کریں...</translation>
    </message>
    <message>
        <source>Quran text: tanzil.net</source>
        <translation>قرآنی متن: tanzil.net</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <extracomment>%1 is the version, e.g. 2.08.09A.</extracomment>
        <translation>ورژن: %1</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::TextDownloadDialog</name>
    <message>
        <source>Download texts</source>
        <translation>متون ڈاؤن لوڈ کریں</translation>
    </message>
    <message>
        <source>&amp;Fetch list</source>
        <translation>فہرست &amp;لائیں</translation>
    </message>
    <message>
        <source>Translations and commentaries</source>
        <translation>تراجم اور تفاسیر</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>تراجم</translation>
    </message>
    <message>
        <source>Commentaries</source>
        <translation>تفاسیر</translation>
    </message>
    <message>
        <source>Service address:</source>
        <translation>سروس کا پتہ:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>دکھائیں:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>زبان</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>نام</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>قسم</translation>
    </message>
    <message>
        <source>State</source>
        <translation>کیفیت</translation>
    </message>
    <message>
        <source>Texts to download</source>
        <translation>ڈاؤن لوڈ کے لیے متون</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;ڈاؤن لوڈ</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;ہٹائیں</translation>
    </message>
    <message>
        <source>Fetching the list of texts from %1...</source>
        <translation>%1 سے متون کی فہرست لائی جا رہی ہے...</translation>
    </message>
    <message numerus="yes">
        <source>%n text(s) offered by the service.</source>
        <translation>
            <numerusform>سروس %n متن پیش کرتی ہے۔</numerusform>
            <numerusform>سروس %n متون پیش کرتی ہے۔</numerusform>
        </translation>
    </message>
    <message>
        <source>The list of texts could not be fetched: %1. Shown instead: texts Tilvora knows by name, which download from the address above when it answers.</source>
        <translation>متون کی فہرست نہیں لائی جا سکی: %1۔ اس کی جگہ: وہ متون جنہیں تلاوہ نام سے جانتا ہے، جو اوپر کے پتے سے ڈاؤن لوڈ ہوتے ہیں جب وہ جواب دے۔</translation>
    </message>
    <message>
        <source>All languages</source>
        <translation>تمام زبانیں</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>نصب شدہ</translation>
    </message>
    <message>
        <source>Known by name</source>
        <translation>نام سے معلوم</translation>
    </message>
    <message>
        <source>Installed, known by name</source>
        <translation>نصب شدہ، نام سے معلوم</translation>
    </message>
    <message>
        <source>Commentary</source>
        <translation>تفسیر</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>ترجمہ</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>%1 ڈاؤن لوڈ ہو رہا ہے...</translation>
    </message>
    <message>
        <source>%1 could not be removed: %2</source>
        <translation>%1 ہٹایا نہیں جا سکا: %2</translation>
    </message>
    <message>
        <source>%1 was removed.</source>
        <translation>%1 ہٹا دیا گیا۔</translation>
    </message>
    <message>
        <source>%1 of %2 chapters, %3</source>
        <translation>%2 میں سے %1 سورتیں، %3</translation>
    </message>
    <message>
        <source>Installed, %1 verses (%2). Choose it in a row of the control pane.</source>
        <translation>نصب ہو گیا، %1 آیات (%2)۔ اسے کنٹرول پین کی کسی قطار میں چنیں۔</translation>
    </message>
    <message>
        <source>Cancelled. The chapters fetched are kept; Download goes on from there.</source>
        <translation>منسوخ۔ لائی گئی سورتیں محفوظ ہیں؛ ڈاؤن لوڈ وہیں سے آگے بڑھے گا۔</translation>
    </message>
    <message>
        <source>Not installed: chapters %1 failed. Download again to fetch only what is missing.</source>
        <translation>نصب نہیں ہوا: سورتیں %1 ناکام رہیں۔ صرف باقی حصہ لانے کے لیے دوبارہ ڈاؤن لوڈ کریں۔</translation>
    </message>
    <message>
        <source>Not installed. Download again to fetch only what is missing.</source>
        <translation>نصب نہیں ہوا۔ صرف باقی حصہ لانے کے لیے دوبارہ ڈاؤن لوڈ کریں۔</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>%1 of %2 chapters, %3, about %4 left</source>
        <translation>%2 میں سے %1 سورتیں، %3، تقریباً %4 باقی</translation>
    </message>
    <message>
        <source>The download stopped: %1.</source>
        <translation>ڈاؤن لوڈ رک گیا: %1۔</translation>
    </message>
</context>
</TS>
