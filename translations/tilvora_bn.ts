<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn_BD">
<context>
    <name>Artwork</name>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>Quran reader and recitation player</source>
        <translation>কুরআন পাঠক ও তিলাওয়াত প্লেয়ার</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Tilvora cannot start.

%1</source>
        <extracomment>%1 is the reason, in a paragraph of its own.</extracomment>
        <translation>Tilvora চালু করা যাচ্ছে না।

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
        <translation>অডিও ফাইল পাওয়া যায়নি...</translation>
    </message>
    <message>
        <source>Media File %1 is not present at the specified path...
Current Path : %2

Please Specify a valid path for Media Files (using the Controls Menu) and use this Application !</source>
        <translation>%1 ফাইলটি নির্দিষ্ট ফোল্ডারে নেই...
বর্তমান ফোল্ডার: %2

অনুগ্রহ করে কন্ট্রোল মেনু থেকে অডিও ফাইলের সঠিক ফোল্ডার দিন, তারপর প্রোগ্রামটি ব্যবহার করুন।</translation>
    </message>
    <message>
        <source>Tilvora - ProgramID : </source>
        <translation>Tilvora - প্রোগ্রাম নম্বর: </translation>
    </message>
    <message>
        <source>No Data found in the Database for Current Voice in Programs registered...

Invalid Programs / Speakers added to database without related Data !</source>
        <translation>নিবন্ধিত প্রোগ্রামগুলোর মধ্যে বর্তমান কারীর কোনো ডেটা ডেটাবেসে নেই...

ডেটা ছাড়াই প্রোগ্রাম বা কারী ডেটাবেসে যোগ করা হয়েছে!</translation>
    </message>
    <message>
        <source>Cannot Access the specified Media File
Make sure that the Media Files folder exists in the same application folder !</source>
        <translation>নির্দিষ্ট অডিও ফাইলে পৌঁছানো যাচ্ছে না
অডিও ফাইলের ফোল্ডার প্রোগ্রামের ফোল্ডারে আছে কিনা দেখুন!</translation>
    </message>
    <message>
        <source>No recording of this verse</source>
        <translation>এই আয়াতের রেকর্ডিং নেই</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; has no recording of %2.

Choose another voice in the control pane, or set the folder of this voice&apos;s recordings with Controls &gt; Set Data Path.</source>
        <translation>“%1” কারীর %2-এর রেকর্ডিং নেই।

কন্ট্রোল প্যানে অন্য কারী বেছে নিন, অথবা কন্ট্রোল &gt; রেকর্ডিংয়ের ফোল্ডার ঠিক করুন দিয়ে এই কারীর ফোল্ডার দিন।</translation>
    </message>
    <message>
        <source>No verse was found for “%1”.</source>
        <translation>“%1”-এর জন্য কোনো আয়াত পাওয়া যায়নি।</translation>
    </message>
    <message>
        <source>No verse to show for this choice.</source>
        <translation>এই পছন্দে দেখানোর মতো কোনো আয়াত নেই।</translation>
    </message>
    <message>
        <source>%1
Specified path is invalid and cannot be mapped properly...</source>
        <translation>%1
নির্দিষ্ট ফোল্ডারটি সঠিক নয়, খোলা যাচ্ছে না...</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>%1 ফোল্ডারটি নেই।</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 কোনো ফোল্ডার নয়।</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened: permission denied.</source>
        <translation>%1 ফোল্ডারটি খোলা যাচ্ছে না: অনুমতি নেই।</translation>
    </message>
    <message>
        <source>There is no verse %1:%2.</source>
        <translation>%1:%2 নামে কোনো আয়াত নেই।</translation>
    </message>
    <message>
        <source>The range %1 to %2 ends before it starts.</source>
        <translation>%1 থেকে %2 অংশটি শুরুর আগেই শেষ হয়।</translation>
    </message>
    <message>
        <source>The request could not be carried out: the content database refused it.
%1</source>
        <translation>অনুরোধটি পূরণ করা যায়নি: কনটেন্ট ডেটাবেস তা গ্রহণ করেনি।
%1</translation>
    </message>
    <message>
        <source>The request could not be carried out: %1</source>
        <translation>অনুরোধটি পূরণ করা যায়নি: %1</translation>
    </message>
    <message>
        <source>The verse has no start position in the current voice.</source>
        <translation>বর্তমান কণ্ঠে আয়াতটির কোনো শুরুর অবস্থান নেই।</translation>
    </message>
    <message>
        <source>The start position &quot;%1&quot; of the verse is not a number of seconds.</source>
        <translation>আয়াতের শুরুর অবস্থান &quot;%1&quot; সেকেন্ডের কোনো সংখ্যা নয়।</translation>
    </message>
    <message>
        <source>An unknown failure stopped the recitation.</source>
        <translation>একটি অজানা ত্রুটিতে তিলাওয়াত থেমে গেছে।</translation>
    </message>
    <message>
        <source>The recitation stopped for an unknown reason.</source>
        <translation>অজানা কারণে তিলাওয়াত থেমে গেছে।</translation>
    </message>
    <message>
        <source>The speed must be a number from %1 to %2.</source>
        <translation>গতি %1 থেকে %2 পর্যন্ত একটি সংখ্যা হতে হবে।</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the id of a voice.</source>
        <translation>&quot;%1&quot; কোনো কণ্ঠের আইডি নয়।</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3, not &quot;%4&quot;.</source>
        <translation>%1 অবশ্যই %2 থেকে %3 পর্যন্ত একটি পূর্ণ সংখ্যা হতে হবে, &quot;%4&quot; নয়।</translation>
    </message>
    <message>
        <source>The verse repeat count</source>
        <translation>আয়াতের পুনরাবৃত্তির সংখ্যা</translation>
    </message>
    <message>
        <source>The range repeat count</source>
        <translation>অংশের পুনরাবৃত্তির সংখ্যা</translation>
    </message>
    <message>
        <source>The gap in milliseconds</source>
        <translation>মিলিসেকেন্ডে বিরতি</translation>
    </message>
    <message>
        <source>The first verse &quot;%1&quot; is not a verse reference such as 2:255.</source>
        <translation>প্রথম আয়াত &quot;%1&quot; 2:255-এর মতো কোনো আয়াত নির্দেশক নয়।</translation>
    </message>
    <message>
        <source>The last verse &quot;%1&quot; is not a verse reference such as 2:255.</source>
        <translation>শেষ আয়াত &quot;%1&quot; 2:255-এর মতো কোনো আয়াত নির্দেশক নয়।</translation>
    </message>
    <message>
        <source>The repeat counts, the gap or the time to repeat are out of range.</source>
        <translation>পুনরাবৃত্তির সংখ্যা, বিরতি বা পুনরায় বলার সময় সীমার বাইরে।</translation>
    </message>
    <message>
        <source>This content database holds no mushaf pages.</source>
        <translation>এই কনটেন্ট ডেটাবেসে মুসহাফের কোনো পৃষ্ঠা নেই।</translation>
    </message>
    <message>
        <source>There is no page &quot;%1&quot; in the mushaf: its pages are numbered 1 to %2.</source>
        <translation>মুসহাফে &quot;%1&quot; নামে কোনো পৃষ্ঠা নেই: এর পৃষ্ঠাগুলো 1 থেকে %2 পর্যন্ত।</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a verse reference such as 2:255.</source>
        <translation>&quot;%1&quot; 2:255-এর মতো কোনো আয়াত নির্দেশক নয়।</translation>
    </message>
    <message>
        <source>There is no page %1 in the mushaf.</source>
        <translation>মুসহাফে %1 নম্বর পৃষ্ঠা নেই।</translation>
    </message>
    <message>
        <source>The mushaf pages of this content database are not numbered 1 to %1.</source>
        <translation>এই কনটেন্ট ডেটাবেসের মুসহাফের পৃষ্ঠাগুলো 1 থেকে %1 পর্যন্ত নম্বরযুক্ত নয়।</translation>
    </message>
    <message>
        <source>The main window could not be prepared. %1</source>
        <translation>প্রধান উইন্ডো প্রস্তুত করা যায়নি। %1</translation>
    </message>
    <message>
        <source>The content database %1 was not found. Tilvora needs its content database DIC.DAT in the application folder %2.</source>
        <translation>কনটেন্ট ডেটাবেস %1 পাওয়া যায়নি। টিলভোরার অ্যাপ্লিকেশন ফোল্ডার %2-এ তার কনটেন্ট ডেটাবেস DIC.DAT দরকার।</translation>
    </message>
    <message>
        <source>The file %1 is not a Tilvora content database (%2).</source>
        <translation>ফাইল %1 টিলভোরার কনটেন্ট ডেটাবেস নয় (%2)।</translation>
    </message>
    <message>
        <source>The content database %1 cannot be opened: %2</source>
        <translation>কনটেন্ট ডেটাবেস %1 খোলা যাচ্ছে না: %2</translation>
    </message>
    <message>
        <source>The content database %1 cannot be written (%2). Tilvora stores your choices in it; make sure no other program holds it and that it is writable, then start again.</source>
        <translation>কনটেন্ট ডেটাবেস %1-এ লেখা যাচ্ছে না (%2)। টিলভোরা আপনার পছন্দগুলো এতে রাখে; নিশ্চিত করুন অন্য কোনো প্রোগ্রাম এটি ধরে রাখেনি এবং এতে লেখা যায়, তারপর আবার চালু করুন।</translation>
    </message>
    <message>
        <source>The content database %1 lacks a table or column that Tilvora needs (%2).</source>
        <translation>কনটেন্ট ডেটাবেস %1-এ টিলভোরার দরকারি একটি টেবিল বা কলাম নেই (%2)।</translation>
    </message>
    <message>
        <source>The content file %1 is damaged (%2), so Tilvora cannot read its texts. Reinstall Tilvora to get a whole copy of it. When Tilvora runs from your own folder, deleting %3 is enough: the next start copies it again.</source>
        <translation>কনটেন্ট ফাইল %1 ক্ষতিগ্রস্ত (%2), তাই টিলভোরা এর পাঠ পড়তে পারছে না। একটি সম্পূর্ণ কপি পেতে টিলভোরা আবার ইনস্টল করুন। টিলভোরা আপনার নিজের ফোল্ডার থেকে চললে %3 মুছে ফেলাই যথেষ্ট: পরের বার চালু হলে এটি আবার কপি হবে।</translation>
    </message>
    <message>
        <source>The content file %1 is empty, so Tilvora has no texts to show. Reinstall Tilvora to get a whole copy of it. When Tilvora runs from your own folder, deleting %2 is enough: the next start copies it again.</source>
        <translation>কনটেন্ট ফাইল %1 খালি, তাই টিলভোরার দেখানোর মতো কোনো পাঠ নেই। একটি সম্পূর্ণ কপি পেতে টিলভোরা আবার ইনস্টল করুন। টিলভোরা আপনার নিজের ফোল্ডার থেকে চললে %2 মুছে ফেলাই যথেষ্ট: পরের বার চালু হলে এটি আবার কপি হবে।</translation>
    </message>
    <message>
        <source>The database file %1 does not exist.</source>
        <translation>ডেটাবেস ফাইল %1 নেই।</translation>
    </message>
    <message>
        <source>%1 is not a database file.</source>
        <translation>%1 কোনো ডেটাবেস ফাইল নয়।</translation>
    </message>
    <message>
        <source>The database file %1 cannot be opened: %2</source>
        <translation>ডেটাবেস ফাইল %1 খোলা যাচ্ছে না: %2</translation>
    </message>
    <message>
        <source>Your Tilvora folder %1 could not be brought up to date with the installed content, so Tilvora uses it as it was. %2</source>
        <translation>আপনার টিলভোরা ফোল্ডার %1 ইনস্টল করা কনটেন্ট দিয়ে হালনাগাদ করা যায়নি, তাই টিলভোরা এটি আগের মতোই ব্যবহার করছে। %2</translation>
    </message>
    <message>
        <source>Tilvora could not make your own folder %1. %2</source>
        <translation>টিলভোরা আপনার নিজের ফোল্ডার %1 তৈরি করতে পারেনি। %2</translation>
    </message>
    <message>
        <source>The installed folder %1 holds no content database (DIC.DAT).</source>
        <translation>ইনস্টল করা ফোল্ডার %1-এ কোনো কনটেন্ট ডেটাবেস (DIC.DAT) নেই।</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>%1 ফোল্ডারটি তৈরি করা যাচ্ছে না।</translation>
    </message>
    <message>
        <source>Another Tilvora is updating %1; it was waited for a minute.</source>
        <translation>আরেকটি টিলভোরা %1 হালনাগাদ করছে; এক মিনিট অপেক্ষা করা হয়েছে।</translation>
    </message>
    <message>
        <source>A new folder beside %1 cannot be made: %2</source>
        <translation>%1-এর পাশে নতুন ফোল্ডার তৈরি করা যাচ্ছে না: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>%1 ফাইলে লেখা যাচ্ছে না: %2</translation>
    </message>
    <message>
        <source>The link %1 to the installed recordings cannot be made: %2</source>
        <translation>ইনস্টল করা রেকর্ডিংয়ের লিংক %1 তৈরি করা যাচ্ছে না: %2</translation>
    </message>
    <message>
        <source>The voice folders of %1 cannot be carried into the new content: %2</source>
        <translation>%1-এর কণ্ঠের ফোল্ডারগুলো নতুন কনটেন্টে নেওয়া যাচ্ছে না: %2</translation>
    </message>
    <message>
        <source>The new folder cannot take the place of %1: %2</source>
        <translation>নতুন ফোল্ডারটি %1-এর জায়গা নিতে পারছে না: %2</translation>
    </message>
    <message>
        <source>There is no voice %1.</source>
        <translation>%1 নামে কোনো কণ্ঠ নেই।</translation>
    </message>
    <message>
        <source>The voice %1 has no media folder.</source>
        <translation>কণ্ঠ %1-এর কোনো রেকর্ডিং ফোল্ডার নেই।</translation>
    </message>
    <message>
        <source>The folder %1 holds no recording of chapter %2 (%3 or %4).</source>
        <translation>%1 ফোল্ডারে সূরা %2-এর কোনো রেকর্ডিং নেই (%3 বা %4)।</translation>
    </message>
    <message>
        <source>There is no chapter %1.</source>
        <translation>সূরা %1 নেই।</translation>
    </message>
    <message>
        <source>The voice %1 has recordings of its own for chapter %2 (files other than %3, for %4 of its verses); the starts found were not stored over them.</source>
        <translation>কণ্ঠ %1-এর সূরা %2-এর জন্য নিজস্ব রেকর্ডিং আছে (%3 ছাড়া অন্য ফাইল, এর %4টি আয়াতের জন্য); পাওয়া শুরুগুলো সেগুলোর ওপর সংরক্ষণ করা হয়নি।</translation>
    </message>
    <message>
        <source>No recitation found in %1: it holds only silence or steady noise.</source>
        <translation>%1-এ কোনো তিলাওয়াত পাওয়া যায়নি: এতে কেবল নীরবতা বা একটানা শব্দ আছে।</translation>
    </message>
    <message>
        <source>No recitation found in %1: it pauses %2 times, where a recitation of the chapter&apos;s %3 verses pauses at least %4 times (a reciter pauses at the end of most verses).</source>
        <translation>%1-এ কোনো তিলাওয়াত পাওয়া যায়নি: এতে %2 বার বিরতি আছে, অথচ সূরার %3টি আয়াতের তিলাওয়াতে অন্তত %4 বার বিরতি থাকে (কারী বেশিরভাগ আয়াতের শেষে থামেন)।</translation>
    </message>
    <message>
        <source>The recording %1 cannot be read.</source>
        <translation>রেকর্ডিং %1 পড়া যাচ্ছে না।</translation>
    </message>
    <message>
        <source>The audio decoder gst-launch-1.0 could not be started; it comes with the package gstreamer1.0-tools.</source>
        <translation>অডিও ডিকোডার gst-launch-1.0 চালু করা যায়নি; এটি gstreamer1.0-tools প্যাকেজের সঙ্গে আসে।</translation>
    </message>
    <message>
        <source>The file %1 is not an audio file.</source>
        <translation>ফাইল %1 কোনো অডিও ফাইল নয়।</translation>
    </message>
    <message>
        <source>The recording %1 could not be decoded: %2</source>
        <translation>রেকর্ডিং %1 ডিকোড করা যায়নি: %2</translation>
    </message>
    <message>
        <source>The recording %1 holds no sound.</source>
        <translation>রেকর্ডিং %1-এ কোনো শব্দ নেই।</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address to download from (it must start with http:// or https://).</source>
        <translation>&quot;%1&quot; ডাউনলোডের জন্য কোনো ওয়েব ঠিকানা নয় (এটি http:// বা https:// দিয়ে শুরু হতে হবে)।</translation>
    </message>
    <message>
        <source>The chapters to download must run from 1 to 114, first to last, not %1 to %2.</source>
        <translation>ডাউনলোডের সূরাগুলো 1 থেকে 114-এর মধ্যে, প্রথম থেকে শেষ ক্রমে হতে হবে, %1 থেকে %2 নয়।</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>%1 ফোল্ডারটি তৈরি করা যায়নি।</translation>
    </message>
    <message>
        <source>no space left on the disk</source>
        <translation>ডিস্কে আর জায়গা নেই</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>সার্ভারের উত্তর: %1</translation>
    </message>
    <message>
        <source>the server sent a page (%1), not a recording</source>
        <translation>সার্ভার রেকর্ডিং নয়, একটি পৃষ্ঠা (%1) পাঠিয়েছে</translation>
    </message>
    <message>
        <source>the server announced %1 bytes, more than the %2 a verse&apos;s recording may take</source>
        <translation>সার্ভার %1 বাইট জানিয়েছে, যা একটি আয়াতের রেকর্ডিংয়ের সীমা %2-এর বেশি</translation>
    </message>
    <message>
        <source>the server resumed the file at the wrong place</source>
        <translation>সার্ভার ভুল জায়গা থেকে ফাইলটি আবার শুরু করেছে</translation>
    </message>
    <message>
        <source>it is larger than the %1 a verse&apos;s recording may take</source>
        <translation>এটি একটি আয়াতের রেকর্ডিংয়ের সীমা %1-এর চেয়ে বড়</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>সময় শেষ হয়ে গেছে</translation>
    </message>
    <message>
        <source>the server refused to resume the file</source>
        <translation>সার্ভার ফাইলটি আবার শুরু করতে রাজি হয়নি</translation>
    </message>
    <message>
        <source>it arrived with %1 of %2 bytes</source>
        <translation>%2 বাইটের মধ্যে %1 বাইট এসেছে</translation>
    </message>
    <message>
        <source>the server sent the download to an address that is not http or https</source>
        <translation>সার্ভার ডাউনলোডটি এমন ঠিকানায় পাঠিয়েছে যা http বা https নয়</translation>
    </message>
    <message>
        <source>the server sent the download elsewhere too many times</source>
        <translation>সার্ভার ডাউনলোডটি অনেকবার অন্য জায়গায় পাঠিয়েছে</translation>
    </message>
    <message>
        <source>the server stopped answering</source>
        <translation>সার্ভার সাড়া দেওয়া বন্ধ করেছে</translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <translation>সার্ভারে পৌঁছানো যাচ্ছে না</translation>
    </message>
    <message>
        <source>the server is too slow</source>
        <translation>সার্ভার খুব ধীর</translation>
    </message>
    <message>
        <source>it arrived cut short (its last audio frame is incomplete)</source>
        <translation>এটি অসম্পূর্ণ এসেছে (শেষ অডিও ফ্রেমটি অসম্পূর্ণ)</translation>
    </message>
    <message>
        <source>what arrived is not an MP3 recording</source>
        <translation>যা এসেছে তা MP3 রেকর্ডিং নয়</translation>
    </message>
    <message>
        <source>it could not be put in place: %1</source>
        <translation>এটি জায়গামতো রাখা যায়নি: %1</translation>
    </message>
    <message>
        <source>it is larger than the %1 MB a chapter may take</source>
        <translation>এটি একটি সূরার সীমা %1 MB-এর চেয়ে বড়</translation>
    </message>
    <message>
        <source>chapter %1: %2</source>
        <translation>সূরা %1: %2</translation>
    </message>
    <message>
        <source>the server sent a web page, not the text</source>
        <translation>সার্ভার পাঠ নয়, একটি ওয়েব পৃষ্ঠা পাঠিয়েছে</translation>
    </message>
    <message>
        <source>what arrived is not the service&apos;s data</source>
        <translation>যা এসেছে তা সেবার তথ্য নয়</translation>
    </message>
    <message>
        <source>the service answered %1</source>
        <translation>সেবার উত্তর: %1</translation>
    </message>
    <message>
        <source>the service&apos;s answer holds no list of texts</source>
        <translation>সেবার উত্তরে পাঠের কোনো তালিকা নেই</translation>
    </message>
    <message>
        <source>the service sent chapter %1 instead</source>
        <translation>সেবা এর বদলে সূরা %1 পাঠিয়েছে</translation>
    </message>
    <message>
        <source>it has %1 verses, the chapter has %2</source>
        <translation>এতে %1টি আয়াত, সূরায় আছে %2টি</translation>
    </message>
    <message>
        <source>its verse numbers are not 1 to %1, each once</source>
        <translation>এর আয়াত নম্বরগুলো 1 থেকে %1, প্রতিটি একবার করে নয়</translation>
    </message>
    <message>
        <source>verse %1 has no text</source>
        <translation>আয়াত %1-এর কোনো পাঠ নেই</translation>
    </message>
    <message>
        <source>the service did not answer in time</source>
        <translation>সেবা সময়মতো সাড়া দেয়নি</translation>
    </message>
    <message>
        <source>the service cannot be reached (%1)</source>
        <translation>সেবায় পৌঁছানো যাচ্ছে না (%1)</translation>
    </message>
    <message>
        <source>Your data could not be written to %1: %2.</source>
        <translation>আপনার তথ্য %1-এ লেখা যায়নি: %2।</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>ফাইল %1 পড়া যাচ্ছে না: %2।</translation>
    </message>
    <message>
        <source>%1 is not a file of your Tilvora data (one written by File, Export my data). Nothing was changed.</source>
        <translation>%1 আপনার টিলভোরা তথ্যের ফাইল নয় (যা ফাইল, আমার তথ্য রপ্তানি দিয়ে লেখা হয়)। কিছুই বদলানো হয়নি।</translation>
    </message>
    <message>
        <source>%1 was written by a newer Tilvora, whose data this one cannot read. Nothing was changed.</source>
        <translation>%1 টিলভোরার নতুনতর সংস্করণে লেখা, যার তথ্য এই সংস্করণ পড়তে পারে না। কিছুই বদলানো হয়নি।</translation>
    </message>
    <message>
        <source>your own file %1 cannot be used</source>
        <translation>আপনার নিজের ফাইল %1 ব্যবহার করা যাচ্ছে না</translation>
    </message>
    <message>
        <source>your own file cannot be changed now</source>
        <translation>আপনার নিজের ফাইল এখন বদলানো যাচ্ছে না</translation>
    </message>
    <message>
        <source>your own file could not be changed</source>
        <translation>আপনার নিজের ফাইল বদলানো যায়নি</translation>
    </message>
    <message>
        <source>%1 could not be imported: %2. Nothing was changed.</source>
        <translation>%1 আমদানি করা যায়নি: %2। কিছুই বদলানো হয়নি।</translation>
    </message>
    <message>
        <source>What you learn and your notes cannot be kept: the file %1 cannot be used. They last until Tilvora closes.</source>
        <translation>আপনি যা মুখস্থ করেন এবং আপনার নোট রাখা যাচ্ছে না: ফাইল %1 ব্যবহার করা যাচ্ছে না। টিলভোরা বন্ধ হওয়া পর্যন্ত সেগুলো থাকবে।</translation>
    </message>
    <message>
        <source>Your bookmarks cannot be kept: the file %1 cannot be written. Bookmarks made now last until Tilvora closes.</source>
        <translation>আপনার বুকমার্ক রাখা যাচ্ছে না: ফাইল %1-এ লেখা যাচ্ছে না। এখন তৈরি বুকমার্ক টিলভোরা বন্ধ হওয়া পর্যন্ত থাকবে।</translation>
    </message>
    <message>
        <source>Your bookmarks file could not be read. It was set aside as %1, and Tilvora starts with no bookmarks.</source>
        <translation>আপনার বুকমার্ক ফাইল পড়া যায়নি। এটি %1 নামে সরিয়ে রাখা হয়েছে, এবং টিলভোরা কোনো বুকমার্ক ছাড়াই শুরু হচ্ছে।</translation>
    </message>
    <message>
        <source>the text could not be stored: %1</source>
        <translation>পাঠটি সংরক্ষণ করা যায়নি: %1</translation>
    </message>
    <message>
        <source>the text could not be installed: %1</source>
        <translation>পাঠটি ইনস্টল করা যায়নি: %1</translation>
    </message>
</context>
<context>
    <name>PaneTexts</name>
    <message>
        <source>Search</source>
        <translation>খুঁজুন</translation>
    </message>
    <message>
        <source>Whole Quran</source>
        <translation>পুরো কুরআন</translation>
    </message>
    <message>
        <source>Arabic without vowel marks, or words of a translation</source>
        <translation>হরকত ছাড়া আরবি, বা কোনো অনুবাদের শব্দ</translation>
    </message>
    <message>
        <source>Arabic is found without vowel marks; translations ignore letter case</source>
        <translation>আরবি হরকত ছাড়া খোঁজা হয়; অনুবাদে বড়-ছোট হাতের অক্ষরের পার্থক্য ধরা হয় না</translation>
    </message>
    <message>
        <source>Search every verse of every text; unticked, only the page shown is searched</source>
        <translation>প্রতিটি পাঠের প্রতিটি আয়াতে খুঁজুন; টিক না থাকলে শুধু দেখানো পৃষ্ঠায়</translation>
    </message>
    <message>
        <source>Chapter</source>
        <extracomment>The first entry of the list of chapters (surahs).</extracomment>
        <translation>সূরা</translation>
    </message>
    <message>
        <source>Part</source>
        <extracomment>The first entry of the list of the thirty parts (juz).</extracomment>
        <translation>পারা</translation>
    </message>
    <message>
        <source>Root (approx.)</source>
        <extracomment>The first entry of the list of roots, which are found automatically.</extracomment>
        <translation>মূল শব্দ (আনুমানিক)</translation>
    </message>
    <message>
        <source>Subject · موضوع</source>
        <extracomment>The first entry of the list of subjects, with the Arabic word.</extracomment>
        <translation>বিষয় · موضوع</translation>
    </message>
    <message>
        <source>كلمة · Word</source>
        <extracomment>The first entry of the list of words, with the Arabic word.</extracomment>
        <translation>كلمة · শব্দ</translation>
    </message>
    <message>
        <source>Show a chapter (surah)</source>
        <translation>একটি সূরা দেখান</translation>
    </message>
    <message>
        <source>Show a part (juz)</source>
        <translation>একটি পারা দেখান</translation>
    </message>
    <message>
        <source>Show the verses of a root (roots are found automatically and are approximate)</source>
        <translation>একটি মূল শব্দের আয়াত দেখান (মূল শব্দগুলো স্বয়ংক্রিয়ভাবে পাওয়া ও আনুমানিক)</translation>
    </message>
    <message>
        <source>Show the verses of a subject</source>
        <translation>একটি বিষয়ের আয়াত দেখান</translation>
    </message>
    <message>
        <source>Show the verses that hold a word (written without vowel marks)</source>
        <translation>যে আয়াতে একটি শব্দ আছে তা দেখান (হরকত ছাড়া লেখা)</translation>
    </message>
    <message>
        <source>Part %1</source>
        <translation>পারা %1</translation>
    </message>
    <message>
        <source>Text in row %1</source>
        <extracomment>A screen reader&apos;s name of the list that chooses the text shown in a row of the reading pane; %1 is the row&apos;s number (1 to 4).</extracomment>
        <translation>%1 নম্বর সারির পাঠ</translation>
    </message>
    <message>
        <source>Media folder of %1</source>
        <extracomment>A screen reader&apos;s name of the link beside a voice that sets the folder of its recordings; %1 is the voice&apos;s name.</extracomment>
        <translation>%1-এর রেকর্ডিংয়ের ফোল্ডার</translation>
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
        <translation>%1 সে.</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 মি. %2 সে.</translation>
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
        <translation>  কোনো আয়াত
  দেখানো হয়নি</translation>
    </message>
    <message numerus="yes">
        <source>  %Ln verses
  shown</source>
        <extracomment>The label beside the search box: how many verses the view shows.</extracomment>
        <translation>
            <numerusform>  %Ln টি আয়াত
  দেখানো হলো</numerusform>
            <numerusform>  %Ln টি আয়াত
  দেখানো হলো</numerusform>
        </translation>
    </message>
    <message>
        <source>  No verse
  found</source>
        <extracomment>The label beside the search box: a search found nothing.</extracomment>
        <translation>  কোনো আয়াত
  পাওয়া যায়নি</translation>
    </message>
    <message numerus="yes">
        <source>  %Ln verses
  found</source>
        <extracomment>The label beside the search box: how many verses a search found (all shown).</extracomment>
        <translation>
            <numerusform>  %Ln টি আয়াত
  পাওয়া গেছে</numerusform>
            <numerusform>  %Ln টি আয়াত
  পাওয়া গেছে</numerusform>
        </translation>
    </message>
    <message>
        <source>  %1 found,
  %2 shown</source>
        <extracomment>The label beside the search box: verses found, and how many of them are shown.</extracomment>
        <translation>  %1টি পাওয়া গেছে,
  %2টি দেখানো হলো</translation>
    </message>
    <message>
        <source>Recitation ended. Left out, with no recording in “%1”: %2.</source>
        <extracomment>%1 is the voice, %2 the list of verses (chapter:verse) left out.</extracomment>
        <translation>তিলাওয়াত শেষ। “%1”-এ রেকর্ডিং না থাকায় বাদ পড়েছে: %2।</translation>
    </message>
    <message>
        <source>%1 has no recording in “%2”: left out, the recitation goes on.</source>
        <extracomment>%1 is a verse (chapter:verse), %2 the voice.</extracomment>
        <translation>“%2”-এ %1-এর রেকর্ডিং নেই: বাদ দেওয়া হলো, তিলাওয়াত চলছে।</translation>
    </message>
</context>
<context>
    <name>UserSettings</name>
    <message>
        <source>Your settings cannot be kept: %1 is a folder, not a file. The choices you make now last until Tilvora closes.</source>
        <translation>আপনার সেটিংস রাখা যাচ্ছে না: %1 একটি ফোল্ডার, ফাইল নয়। এখনকার পছন্দগুলো Tilvora বন্ধ হওয়া পর্যন্ত থাকবে।</translation>
    </message>
    <message>
        <source>Your settings cannot be kept: the file %1 cannot be written. The choices you make now last until Tilvora closes.</source>
        <translation>আপনার সেটিংস রাখা যাচ্ছে না: %1 ফাইলে লেখা যাচ্ছে না। এখনকার পছন্দগুলো Tilvora বন্ধ হওয়া পর্যন্ত থাকবে।</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged and cannot be replaced; the settings it holds are not all used.</source>
        <translation>সেটিংস ফাইল %1 নষ্ট এবং বদলানো যাচ্ছে না; এর সব সেটিংস ব্যবহার হচ্ছে না।</translation>
    </message>
    <message>
        <source>The settings file %1 was damaged. The settings that could be read are kept; the others are back to their usual values.</source>
        <translation>সেটিংস ফাইল %1 নষ্ট ছিল। যেগুলো পড়া গেছে সেগুলো রাখা হয়েছে; বাকিগুলো স্বাভাবিক মানে ফিরেছে।</translation>
    </message>
</context>
<context>
    <name>VerseMenu</name>
    <message>
        <source>Show in the &amp;mushaf</source>
        <translation>&amp;মুসহাফে দেখান</translation>
    </message>
    <message>
        <source>&amp;Bookmark this verse</source>
        <translation>এই আয়াতে &amp;বুকমার্ক দিন</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;কপি</translation>
    </message>
    <message>
        <source>Copy &amp;verse</source>
        <translation>&amp;আয়াত কপি করুন</translation>
    </message>
    <message>
        <source>Copy &amp;reference</source>
        <translation>আয়াতের &amp;সূত্র কপি করুন</translation>
    </message>
    <message>
        <source>Recite from &amp;here</source>
        <translation>&amp;এখান থেকে তিলাওয়াত</translation>
    </message>
    <message>
        <source>Re&amp;peat this verse...</source>
        <translation>এই আয়াত &amp;পুনরাবৃত্তি...</translation>
    </message>
    <message>
        <source>Repeat from here &amp;to...</source>
        <translation>এখান থেকে &amp;পর্যন্ত পুনরাবৃত্তি...</translation>
    </message>
    <message>
        <source>&amp;Note...</source>
        <translation>&amp;নোট...</translation>
    </message>
    <message>
        <source>&amp;Listen and repeat from here...</source>
        <translation>এখান থেকে &amp;শুনুন ও পুনরাবৃত্তি করুন...</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::AboutWindow</name>
    <message>
        <source>Quran reader and recitation player</source>
        <translation>কুরআন পাঠক ও তিলাওয়াত প্লেয়ার</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ করুন</translation>
    </message>
    <message>
        <source>Artwork and program by the Tilvora developers. Most translations are for non-commercial use only.</source>
        <translation>চিত্র ও প্রোগ্রাম Tilvora ডেভেলপারদের। বেশিরভাগ অনুবাদ কেবল অবাণিজ্যিক ব্যবহারের জন্য।</translation>
    </message>
    <message>
        <source>Tilvora shows the Quran with its translations and recites it.</source>
        <translation>Tilvora কুরআন অনুবাদসহ দেখায় এবং তিলাওয়াত শোনায়।</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ChapterAlignmentDialog</name>
    <message>
        <source>Replace Them</source>
        <translation>বদলে দিন</translation>
    </message>
    <message>
        <source>Keep Them</source>
        <translation>রেখে দিন</translation>
    </message>
    <message>
        <source>Verse starts in the chapter files</source>
        <extracomment>The title of the window that finds where each verse starts in recordings of whole chapters.</extracomment>
        <translation>সূরার ফাইলে আয়াতের শুরু</translation>
    </message>
    <message>
        <source>Verse starts in the chapter files - %1</source>
        <translation>সূরার ফাইলে আয়াতের শুরু - %1</translation>
    </message>
    <message>
        <source>Looking for the chapter files...</source>
        <translation>সূরার ফাইল খোঁজা হচ্ছে...</translation>
    </message>
    <message>
        <source>Verses to check (their starts were found with low confidence):</source>
        <translation>যাচাই করার আয়াত (এদের শুরু কম নিশ্চয়তায় পাওয়া গেছে):</translation>
    </message>
    <message>
        <source>Verse</source>
        <translation>আয়াত</translation>
    </message>
    <message>
        <source>Start (s)</source>
        <extracomment>A column heading: where the verse starts, in seconds.</extracomment>
        <translation>শুরু (সে.)</translation>
    </message>
    <message>
        <source>Confidence</source>
        <translation>নিশ্চয়তা</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>After a number of seconds.</extracomment>
        <translation> সে.</translation>
    </message>
    <message>
        <source>- 0.1 s</source>
        <extracomment>Moves the verse&apos;s start a tenth of a second earlier.</extracomment>
        <translation>- 0.1 সে.</translation>
    </message>
    <message>
        <source>+ 0.1 s</source>
        <extracomment>Moves the verse&apos;s start a tenth of a second later.</extracomment>
        <translation>+ 0.1 সে.</translation>
    </message>
    <message>
        <source>Play around it</source>
        <extracomment>Plays the recording from a little before the verse&apos;s start.</extracomment>
        <translation>আশপাশে শুনুন</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>সংরক্ষণ</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>শুরু:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>থামানো হচ্ছে...</translation>
    </message>
    <message>
        <source>No chapter file was found (001.mp3 ... 114.mp3, or .wma). %1</source>
        <extracomment>%1 is the reason the first chapter file could not be used.</extracomment>
        <translation>কোনো সূরার ফাইল পাওয়া যায়নি (001.mp3 ... 114.mp3, বা .wma)। %1</translation>
    </message>
    <message numerus="yes">
        <source>This voice already has recordings of its own for %n verses in the chapters %1 (a file per verse, say). Replace them with the starts found in the chapter files?

If you keep them, those chapters are left as they are.</source>
        <extracomment>%n is the number of verses; %1 the list of chapter numbers.</extracomment>
        <translation>
            <numerusform>এই কারীর %1 সূরাগুলোতে %n টি আয়াতের নিজস্ব রেকর্ডিং আছে (যেমন প্রতি আয়াতে একটি ফাইল)। সূরার ফাইলে পাওয়া শুরু দিয়ে সেগুলো বদলাবেন?

রেখে দিলে সেই সূরাগুলো যেমন আছে তেমন থাকবে।</numerusform>
            <numerusform>এই কারীর %1 সূরাগুলোতে %n টি আয়াতের নিজস্ব রেকর্ডিং আছে (যেমন প্রতি আয়াতে একটি ফাইল)। সূরার ফাইলে পাওয়া শুরু দিয়ে সেগুলো বদলাবেন?

রেখে দিলে সেই সূরাগুলো যেমন আছে তেমন থাকবে।</numerusform>
        </translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>সূরা %1</translation>
    </message>
    <message>
        <source>The voice&apos;s own recordings were kept.</source>
        <translation>কারীর নিজস্ব রেকর্ডিং রাখা হয়েছে।</translation>
    </message>
    <message>
        <source>Nothing was changed: the voice keeps its own recordings.</source>
        <translation>কিছুই বদলায়নি: কারীর নিজস্ব রেকর্ডিং থাকছে।</translation>
    </message>
    <message numerus="yes">
        <source>Finding the verse starts of %n chapters...</source>
        <translation>
            <numerusform>%n টি সূরায় আয়াতের শুরু খোঁজা হচ্ছে...</numerusform>
            <numerusform>%n টি সূরায় আয়াতের শুরু খোঁজা হচ্ছে...</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped: nothing was stored.</source>
        <translation>থামানো হয়েছে: কিছুই সংরক্ষিত হয়নি।</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: the starts of %1 of %n chapters are stored.</source>
        <translation>
            <numerusform>থামানো হয়েছে: %n টি সূরার মধ্যে %1 টির শুরু সংরক্ষিত হয়েছে।</numerusform>
            <numerusform>থামানো হয়েছে: %n টি সূরার মধ্যে %1 টির শুরু সংরক্ষিত হয়েছে।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Done: the starts of %1 of %2 chapters are stored; %n verses to check.</source>
        <extracomment>%1 chapters stored out of %2; %n verses to check by ear.</extracomment>
        <translation>
            <numerusform>সম্পন্ন: %2 টি সূরার মধ্যে %1 টির শুরু সংরক্ষিত হয়েছে; যাচাই করার আয়াত %n টি।</numerusform>
            <numerusform>সম্পন্ন: %2 টি সূরার মধ্যে %1 টির শুরু সংরক্ষিত হয়েছে; যাচাই করার আয়াত %n টি।</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ করুন</translation>
    </message>
    <message>
        <source>The start could not be stored: %1</source>
        <extracomment>%1 is the reason.</extracomment>
        <translation>শুরু সংরক্ষণ করা যায়নি: %1</translation>
    </message>
    <message>
        <source>Verse %1:%2 now starts at %3 s.</source>
        <extracomment>%1:%2 is the verse as chapter:verse, %3 a number of seconds.</extracomment>
        <translation>আয়াত %1:%2 এখন %3 সেকেন্ডে শুরু হয়।</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ChoiceMemory</name>
    <message>
        <source>&amp;Remember My Texts and Voice</source>
        <extracomment>Whether the texts and the voice chosen in the control pane are chosen again at the next start.</extracomment>
        <translation>আমার পাঠ ও কারী &amp;মনে রাখুন</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ControlPaneFollower</name>
    <message>
        <source>— None —</source>
        <extracomment>The entry of a row&apos;s list of texts that empties the row.</extracomment>
        <translation>— কিছু নয় —</translation>
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
        <translation>%1 সে.</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <extracomment>A time left: minutes and seconds.</extracomment>
        <translation>%1 মি. %2 সে.</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>A time left: hours and minutes.</extracomment>
        <translation>%1 ঘ. %2 মি.</translation>
    </message>
    <message>
        <source>Download recitation</source>
        <translation>তিলাওয়াত ডাউনলোড</translation>
    </message>
    <message>
        <source>%1 (%2 kbps)</source>
        <extracomment>A reciter and the bit rate of the recordings.</extracomment>
        <translation>%1 (%2 kbps)</translation>
    </message>
    <message>
        <source>Another address...</source>
        <translation>অন্য ঠিকানা...</translation>
    </message>
    <message>
        <source>SSSAAA.mp3 (chapter and verse)</source>
        <translation>SSSAAA.mp3 (সূরা ও আয়াত)</translation>
    </message>
    <message>
        <source>N.mp3 (verse number in the book)</source>
        <translation>N.mp3 (পুরো কুরআনে আয়াতের ক্রমিক নম্বর)</translation>
    </message>
    <message>
        <source>to</source>
        <translation>থেকে</translation>
    </message>
    <message>
        <source>A voice without a folder gets one in your data folder.</source>
        <translation>যে কারীর ফোল্ডার নেই, তার জন্য আপনার ডেটা ফোল্ডারে একটি ফোল্ডার তৈরি হবে।</translation>
    </message>
    <message>
        <source>Reciter:</source>
        <translation>কারী:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>ঠিকানা:</translation>
    </message>
    <message>
        <source>File names:</source>
        <translation>ফাইলের নাম:</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>সূরা:</translation>
    </message>
    <message>
        <source>Voice to fill:</source>
        <translation>যে কারীকে পূরণ করবেন:</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ডাউনলোড</translation>
    </message>
    <message>
        <source>No voice reads one file per verse (SSSAAA.mp3), so there is no voice to fill.</source>
        <translation>কোনো কারী প্রতি আয়াতে একটি ফাইল (SSSAAA.mp3) পড়ে না, তাই পূরণ করার মতো কারী নেই।</translation>
    </message>
    <message>
        <source>Into %1</source>
        <translation>%1-এ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ করুন</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3</source>
        <extracomment>%1 files done of %2, %3 the size received so far.</extracomment>
        <translation>%2 টির মধ্যে %1 টি ফাইল, %3</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3, %4/s</source>
        <extracomment>%1 files done of %2, %3 the size received so far, %4 the size received per second.</extracomment>
        <translation>%2 টির মধ্যে %1 টি ফাইল, %3, %4/সে.</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3, %4/s, about %5 left</source>
        <extracomment>As before, and %5 the time left, e.g. &quot;3 min 20 s&quot;.</extracomment>
        <translation>%2 টির মধ্যে %1 টি ফাইল, %3, %4/সে., প্রায় %5 বাকি</translation>
    </message>
    <message>
        <source>Cancelled. </source>
        <translation>বাতিল হয়েছে। </translation>
    </message>
    <message>
        <source>The download stopped: %1. </source>
        <translation>ডাউনলোড থেমে গেছে: %1। </translation>
    </message>
    <message>
        <source>%1 stored, %2 already there, %3 failed.</source>
        <extracomment>Files stored, files that were there already, files that failed.</extracomment>
        <translation>%1 টি সংরক্ষিত, %2 টি আগে থেকেই ছিল, %3 টি ব্যর্থ।</translation>
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
        <translation>%1 রেকর্ডিং চালানো যাচ্ছে না: GStreamer-এর playbin ইনস্টল করা নেই।</translation>
    </message>
    <message>
        <source>The recording %1 could not be opened.</source>
        <translation>%1 রেকর্ডিং খোলা যায়নি।</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>অজানা ত্রুটি</translation>
    </message>
    <message>
        <source>The recording %1 could not be played: %2</source>
        <translation>%1 রেকর্ডিং চালানো যায়নি: %2</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <extracomment>The View menu&apos;s submenu that sets the language of the program&apos;s windows.</extracomment>
        <translation>&amp;ভাষা</translation>
    </message>
    <message>
        <source>System Default</source>
        <extracomment>The language of the system (the default), as opposed to one chosen here.</extracomment>
        <translation>সিস্টেমের ভাষা</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MainWindow</name>
    <message>
        <source> .:: Tilvora (version %1) ::.</source>
        <extracomment>The main window&apos;s title; %1 is the version, e.g. 2.08.09A.</extracomment>
        <translation> .:: Tilvora (সংস্করণ %1) ::.</translation>
    </message>
    <message>
        <source>Drag to widen or narrow the control pane; double-click for the usual width</source>
        <translation>কন্ট্রোল প্যান চওড়া বা সরু করতে টানুন; স্বাভাবিক প্রস্থের জন্য ডাবল-ক্লিক করুন</translation>
    </message>
    <message>
        <source>Left and Right move it; Space gives the panes their usual widths</source>
        <translation>বাম ও ডান তীর এটি সরায়; স্পেস প্যানগুলোকে স্বাভাবিক প্রস্থ দেয়</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>কন্ট্রোল</translation>
    </message>
    <message>
        <source>Go to the search box</source>
        <translation>খোঁজার বাক্সে যান</translation>
    </message>
    <message>
        <source>  Search Result(s):  </source>
        <extracomment>The label beside the search box before anything was shown.</extracomment>
        <translation>  খোঁজার ফলাফল:  </translation>
    </message>
    <message>
        <source>Search</source>
        <translation>খুঁজুন</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>Controls menu</source>
        <translation>কন্ট্রোল মেনু</translation>
    </message>
    <message>
        <source>Pane divider</source>
        <extracomment>The strip between the reading pane and the control pane, which moves them apart when dragged.</extracomment>
        <translation>প্যান বিভাজক</translation>
    </message>
    <message>
        <source>&amp;Controls</source>
        <extracomment>The menu of the control pane (the pane where the texts and the voice are chosen).</extracomment>
        <translation>&amp;কন্ট্রোল</translation>
    </message>
    <message>
        <source>&amp;Hide/Un-Hide Pane</source>
        <extracomment>Hides the control pane, or shows it again.</extracomment>
        <translation>প্যান &amp;লুকান/দেখান</translation>
    </message>
    <message>
        <source>Set Data &amp;Path</source>
        <extracomment>The submenu that sets the folder where a voice&apos;s recordings are.</extracomment>
        <translation>রেকর্ডিংয়ের &amp;ফোল্ডার ঠিক করুন</translation>
    </message>
    <message>
        <source>Voice %1</source>
        <translation>কারী %1</translation>
    </message>
    <message>
        <source>&amp;Download recitation...</source>
        <translation>তিলাওয়াত &amp;ডাউনলোড...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;পরিচিতি</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ফাইল</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;প্রস্থান</translation>
    </message>
    <message>
        <source>An unexpected failure stopped the request.</source>
        <translation>একটি অপ্রত্যাশিত ত্রুটি অনুরোধটি থামিয়ে দিয়েছে।</translation>
    </message>
    <message>
        <source>Download &amp;texts...</source>
        <translation>পাঠ্য &amp;ডাউনলোড...</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MediaFolderDialog</name>
    <message>
        <source>Specify / Select a valid Path...</source>
        <extracomment>The title of the dialog that sets the folder of a voice&apos;s recordings.</extracomment>
        <translation>একটি সঠিক ফোল্ডার দিন / বেছে নিন...</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>%1 is the dialog&apos;s title, %2 the voice.</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Please browse the path of the Media Files Folder :</source>
        <translation>অনুগ্রহ করে অডিও ফাইলের ফোল্ডার বেছে নিন:</translation>
    </message>
    <message>
        <source>Mounted volumes</source>
        <translation>সংযুক্ত ভলিউম</translation>
    </message>
    <message>
        <source>This folder holds one file per chapter</source>
        <translation>এই ফোল্ডারে প্রতি সূরায় একটি ফাইল আছে</translation>
    </message>
    <message>
        <source>Find where each verse starts in the chapter files (001.mp3 ... 114.mp3)</source>
        <translation>সূরার ফাইলে প্রতিটি আয়াত কোথায় শুরু তা খুঁজুন (001.mp3 ... 114.mp3)</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>গ্রহণ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
    <message>
        <source>Mapping Path exception...</source>
        <extracomment>The title of the message that the voice&apos;s stored folder cannot be opened.</extracomment>
        <translation>ফোল্ডার পাওয়া যায়নি...</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MemoriseDesk</name>
    <message>
        <source>&amp;Memorise</source>
        <translation>&amp;মুখস্থ</translation>
    </message>
    <message>
        <source>&amp;Learn this page / verse range / chapter...</source>
        <translation>এই পৃষ্ঠা / আয়াতগুলো / সূরা &amp;মুখস্থ করুন...</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;review</source>
        <translation>আজকের &amp;পুনরালোচনা</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;অগ্রগতি</translation>
    </message>
    <message>
        <source>&amp;Forget...</source>
        <translation>&amp;ভুলে যান...</translation>
    </message>
    <message>
        <source>Daily &amp;limit...</source>
        <translation>দৈনিক &amp;সীমা...</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;review (%1)</source>
        <extracomment>%1 is how many pages are due today.</extracomment>
        <translation>আজকের &amp;পুনরালোচনা (%1)</translation>
    </message>
    <message>
        <source>&amp;Export my data...</source>
        <translation>আমার তথ্য &amp;রপ্তানি...</translation>
    </message>
    <message>
        <source>&amp;Import my data...</source>
        <translation>আমার তথ্য &amp;আমদানি...</translation>
    </message>
    <message>
        <source>&amp;Notes...</source>
        <translation>&amp;নোটসমূহ...</translation>
    </message>
    <message>
        <source>Memorise</source>
        <translation>মুখস্থ</translation>
    </message>
    <message>
        <source>Nothing is due for review today. Take up a page with Memorise, Learn.</source>
        <translation>আজ পুনরালোচনার কিছু নেই। মুখস্থ, মুখস্থ করুন দিয়ে একটি পৃষ্ঠা নিন।</translation>
    </message>
    <message>
        <source>The grade of page %1 could not be stored in your file.</source>
        <translation>পৃষ্ঠা %1-এর মূল্যায়ন আপনার ফাইলে রাখা যায়নি।</translation>
    </message>
    <message>
        <source>The verses to learn could not be stored in your file.</source>
        <translation>মুখস্থের আয়াতগুলো আপনার ফাইলে রাখা যায়নি।</translation>
    </message>
    <message>
        <source>The verses could not be taken out: your file could not be changed.</source>
        <translation>আয়াতগুলো সরানো যায়নি: আপনার ফাইল বদলানো যায়নি।</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>ভুলে যান</translation>
    </message>
    <message>
        <source>Learn</source>
        <translation>মুখস্থ করুন</translation>
    </message>
    <message>
        <source>&amp;Forget</source>
        <translation>&amp;ভুলে যান</translation>
    </message>
    <message>
        <source>&amp;Learn</source>
        <translation>&amp;মুখস্থ করুন</translation>
    </message>
    <message>
        <source>You are learning %1 now; it is due for review today.</source>
        <translation>আপনি এখন %1 মুখস্থ করছেন; আজই এর পুনরালোচনা।</translation>
    </message>
    <message>
        <source>Take %1 out of what you are learning? Its review schedule goes; the history of its reviews stays.</source>
        <translation>আপনার মুখস্থ থেকে %1 সরাবেন? এর পুনরালোচনার সূচি চলে যাবে; পুনরালোচনার ইতিহাস থাকবে।</translation>
    </message>
    <message>
        <source>%1 is taken out of what you are learning.</source>
        <translation>%1 আপনার মুখস্থ থেকে সরানো হয়েছে।</translation>
    </message>
    <message>
        <source>Daily limit</source>
        <translation>দৈনিক সীমা</translation>
    </message>
    <message>
        <source>Pages to review a day at most (1 to %1):</source>
        <translation>দিনে সর্বোচ্চ পুনরালোচনার পৃষ্ঠা (1 থেকে %1):</translation>
    </message>
    <message>
        <source>The daily limit could not be stored in your file.</source>
        <translation>দৈনিক সীমা আপনার ফাইলে রাখা যায়নি।</translation>
    </message>
    <message>
        <source>The note could not be stored in your file.</source>
        <translation>নোটটি আপনার ফাইলে রাখা যায়নি।</translation>
    </message>
    <message>
        <source>Your data is written to %1: %2 bookmarks, %3 notes, %4 verses being learnt.</source>
        <extracomment>After the export: how many of each were written.</extracomment>
        <translation>আপনার তথ্য %1-এ লেখা হয়েছে: %2টি বুকমার্ক, %3টি নোট, মুখস্থাধীন %4টি আয়াত।</translation>
    </message>
    <message>
        <source>Taken in from %1: %2 bookmarks, %3 notes, %4 verses being learnt, joined with yours; nothing of yours was lost.</source>
        <translation>%1 থেকে নেওয়া হয়েছে: %2টি বুকমার্ক, %3টি নোট, মুখস্থাধীন %4টি আয়াত, আপনার তথ্যের সাথে যুক্ত; আপনার কিছুই হারায়নি।</translation>
    </message>
    <message>
        <source>Export my data</source>
        <translation>আমার তথ্য রপ্তানি</translation>
    </message>
    <message>
        <source>Tilvora data (*.json)</source>
        <translation>Tilvora তথ্য (*.json)</translation>
    </message>
    <message>
        <source>Import my data</source>
        <translation>আমার তথ্য আমদানি</translation>
    </message>
    <message>
        <source>Tilvora data (*.json);;All files (*)</source>
        <translation>Tilvora তথ্য (*.json);;সব ফাইল (*)</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MushafMode</name>
    <message>
        <source>&amp;Mushaf pages</source>
        <extracomment>The reading pane&apos;s second mode: the pages of a printed copy of the Quran.</extracomment>
        <translation>&amp;মুসহাফের পৃষ্ঠা</translation>
    </message>
    <message>
        <source>&amp;Go to page...</source>
        <translation>পৃষ্ঠায় &amp;যান...</translation>
    </message>
    <message>
        <source>&amp;Hide the text</source>
        <extracomment>Hides the text of the mushaf&apos;s page, for reciting from memory.</extracomment>
        <translation>লেখা &amp;লুকান</translation>
    </message>
    <message>
        <source>&amp;Reveal</source>
        <extracomment>Shows hidden text of the mushaf&apos;s page again, step by step.</extracomment>
        <translation>&amp;প্রকাশ করুন</translation>
    </message>
    <message>
        <source>Next &amp;word</source>
        <translation>পরের &amp;শব্দ</translation>
    </message>
    <message>
        <source>Rest of the &amp;line</source>
        <translation>লাইনের &amp;বাকিটা</translation>
    </message>
    <message>
        <source>Rest of the &amp;verse</source>
        <translation>আয়াতের &amp;বাকিটা</translation>
    </message>
    <message>
        <source>&amp;Everything</source>
        <translation>&amp;সব</translation>
    </message>
    <message>
        <source>&amp;Hide the last word again</source>
        <translation>শেষ শব্দটি আবার &amp;লুকান</translation>
    </message>
    <message>
        <source>Mushaf pages</source>
        <translation>মুসহাফের পৃষ্ঠা</translation>
    </message>
    <message>
        <source>Go to page</source>
        <translation>পৃষ্ঠায় যান</translation>
    </message>
    <message>
        <source>Page of the mushaf (1 to %1):</source>
        <extracomment>%1 is the number of the mushaf&apos;s last page.</extracomment>
        <translation>মুসহাফের পৃষ্ঠা (1 থেকে %1):</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::NoteDialog</name>
    <message>
        <source>Note on %1</source>
        <extracomment>%1 names the verse, as Al-Baqarah 2:255.</extracomment>
        <translation>%1-এর উপর নোট</translation>
    </message>
    <message>
        <source>Your note</source>
        <translation>আপনার নোট</translation>
    </message>
    <message>
        <source>Saved as you typed it. An empty note is removed.</source>
        <translation>যেমন লিখেছেন তেমনই রাখা হয়। খালি নোট মুছে ফেলা হয়।</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::NotesDialog</name>
    <message>
        <source>Your notes</source>
        <translation>আপনার নোটসমূহ</translation>
    </message>
    <message>
        <source>Search in your notes</source>
        <translation>আপনার নোটে খুঁজুন</translation>
    </message>
    <message>
        <source>Verse</source>
        <translation>আয়াত</translation>
    </message>
    <message>
        <source>First line</source>
        <translation>প্রথম লাইন</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>পরিবর্তিত</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;খুলুন</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;সম্পাদনা...</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;খুঁজুন:</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::PlayerStrip</name>
    <message>
        <source>Play</source>
        <translation>চালান</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>থামান</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>অবস্থান</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>শব্দ বন্ধ</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>শব্দের মাত্রা</translation>
    </message>
    <message>
        <source>Previous verse</source>
        <translation>আগের আয়াত</translation>
    </message>
    <message>
        <source>Next verse</source>
        <translation>পরের আয়াত</translation>
    </message>
    <message>
        <source>Repeat: how often each verse and the whole range are recited, and the pause between</source>
        <translation>পুনরাবৃত্তি: প্রতিটি আয়াত ও পুরো অংশ কতবার পড়া হবে, আর মাঝের বিরতি</translation>
    </message>
    <message>
        <source> times</source>
        <extracomment>After a spin box&apos;s number: how often a verse or a range is recited.</extracomment>
        <translation> বার</translation>
    </message>
    <message>
        <source>until stopped</source>
        <translation>থামানো পর্যন্ত</translation>
    </message>
    <message>
        <source> ms</source>
        <extracomment>After a spin box&apos;s number: milliseconds.</extracomment>
        <translation> মি.সে.</translation>
    </message>
    <message>
        <source>Each verse:</source>
        <translation>প্রতিটি আয়াত:</translation>
    </message>
    <message>
        <source>The whole range:</source>
        <translation>পুরো অংশ:</translation>
    </message>
    <message>
        <source>Pause between:</source>
        <translation>মাঝের বিরতি:</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>গতি</translation>
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
        <translation>পুনরাবৃত্তি %1</translation>
    </message>
    <message>
        <source>Repeat: each verse %1 times, the range until stopped</source>
        <translation>পুনরাবৃত্তি: প্রতিটি আয়াত %1 বার, পুরো অংশ থামানো পর্যন্ত</translation>
    </message>
    <message>
        <source>Repeat: each verse %1 times, the range %2 times</source>
        <translation>পুনরাবৃত্তি: প্রতিটি আয়াত %1 বার, পুরো অংশ %2 বার</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>বিরতি</translation>
    </message>
    <message>
        <source>error</source>
        <translation>ত্রুটি</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>শব্দ চালু</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ProgressDialog</name>
    <message>
        <source>Progress</source>
        <translation>অগ্রগতি</translation>
    </message>
    <message>
        <source>Verses learnt: %1 (and %2 being learnt).
Pages learnt whole: %3.
Days in a row with a review: %4.</source>
        <translation>মুখস্থ আয়াত: %1 (এবং %2টি মুখস্থাধীন)।
পুরো মুখস্থ পৃষ্ঠা: %3।
টানা পুনরালোচনার দিন: %4।</translation>
    </message>
    <message>
        <source>Share of each part taken up, and pages due on each of the next 14 days</source>
        <translation>প্রতিটি পারার মুখস্থাধীন অংশ, এবং আগামী 14 দিনের প্রতিদিন পুনরালোচনার পৃষ্ঠা</translation>
    </message>
    <message>
        <source>Each part: the share of its verses you are learning</source>
        <translation>প্রতিটি পারা: এর আয়াতের যে অংশ আপনি মুখস্থ করছেন</translation>
    </message>
    <message>
        <source>Pages due on each of the next 14 days</source>
        <translation>আগামী 14 দিনের প্রতিদিন পুনরালোচনার পৃষ্ঠা</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::RangeDialog</name>
    <message>
        <source>A page of the mushaf</source>
        <translation>মুসহাফের একটি পৃষ্ঠা</translation>
    </message>
    <message>
        <source>A range of verses</source>
        <translation>কয়েকটি আয়াত</translation>
    </message>
    <message>
        <source>A chapter</source>
        <translation>একটি সূরা</translation>
    </message>
    <message>
        <source>A part (juz)</source>
        <translation>একটি পারা</translation>
    </message>
    <message>
        <source>chapter:verse</source>
        <extracomment>A verse is written chapter:verse, as 2:255.</extracomment>
        <translation>সূরা:আয়াত</translation>
    </message>
    <message>
        <source>&amp;What:</source>
        <translation>&amp;কী:</translation>
    </message>
    <message>
        <source>&amp;Number:</source>
        <translation>&amp;নম্বর:</translation>
    </message>
    <message>
        <source>&amp;From verse:</source>
        <translation>আয়াত &amp;থেকে:</translation>
    </message>
    <message>
        <source>&amp;To verse:</source>
        <translation>আয়াত &amp;পর্যন্ত:</translation>
    </message>
    <message>
        <source>page %1</source>
        <translation>পৃষ্ঠা %1</translation>
    </message>
    <message>
        <source>chapter %1</source>
        <translation>সূরা %1</translation>
    </message>
    <message>
        <source>part %1</source>
        <translation>পারা %1</translation>
    </message>
    <message>
        <source>the verses %1 to %2</source>
        <translation>আয়াত %1 থেকে %2</translation>
    </message>
    <message>
        <source>No verse begins on this page.</source>
        <translation>এই পৃষ্ঠায় কোনো আয়াত শুরু হয় না।</translation>
    </message>
    <message>
        <source>The verses run from %1 to a later verse.</source>
        <translation>আয়াতগুলো %1 থেকে পরের কোনো আয়াত পর্যন্ত হয়।</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ReadingComfort</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;দেখুন</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;থিম</translation>
    </message>
    <message>
        <source>Arabic &amp;Font</source>
        <translation>আরবি &amp;ফন্ট</translation>
    </message>
    <message>
        <source>As the Text Defines</source>
        <extracomment>The Arabic font the text&apos;s own program names.</extracomment>
        <translation>লেখায় যেমন দেওয়া</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;বড় করুন</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;ছোট করুন</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;আসল আকার</translation>
    </message>
    <message>
        <source>&amp;Next Match</source>
        <translation>&amp;পরের মিল</translation>
    </message>
    <message>
        <source>&amp;Previous Match</source>
        <translation>&amp;আগের মিল</translation>
    </message>
    <message>
        <source>&amp;Bookmarks</source>
        <translation>&amp;বুকমার্ক</translation>
    </message>
    <message>
        <source>&amp;Bookmark the Verse at the Top</source>
        <translation>উপরের আয়াতে &amp;বুকমার্ক দিন</translation>
    </message>
    <message>
        <source>&amp;Remove Bookmark</source>
        <translation>বুকমার্ক &amp;সরান</translation>
    </message>
    <message>
        <source>The bookmark of %1 was not removed: %2.</source>
        <translation>%1-এর বুকমার্ক সরানো হয়নি: %2।</translation>
    </message>
    <message>
        <source>Your bookmark of %1 was not stored: %2.</source>
        <extracomment>%1 is a verse as chapter:verse, %2 the reason.</extracomment>
        <translation>%1-এ আপনার বুকমার্ক সংরক্ষিত হয়নি: %2।</translation>
    </message>
    <message>
        <source>Sepia</source>
        <extracomment>A colour theme: brown text on a cream page.</extracomment>
        <translation>সেপিয়া</translation>
    </message>
    <message>
        <source>Dark</source>
        <extracomment>A colour theme: light text on a dark page.</extracomment>
        <translation>গাঢ়</translation>
    </message>
    <message>
        <source>Light</source>
        <extracomment>A colour theme: the pages&apos; own colours.</extracomment>
        <translation>হালকা</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>There is no verse to bookmark here.</source>
        <translation>এখানে বুকমার্ক দেওয়ার মতো আয়াত নেই।</translation>
    </message>
    <message>
        <source>Bookmarked %1 (Bookmarks menu).</source>
        <extracomment>%1 is the verse, e.g. &quot;Al-Fatihah 1:2&quot;.</extracomment>
        <translation>%1-এ বুকমার্ক দেওয়া হলো (বুকমার্ক মেনু)।</translation>
    </message>
    <message>
        <source>%1 is bookmarked already.</source>
        <translation>%1-এ আগেই বুকমার্ক আছে।</translation>
    </message>
    <message>
        <source>The place where you stopped reading (%1) was not stored: %2.</source>
        <extracomment>%1 is a verse as chapter:verse, %2 the reason.</extracomment>
        <translation>যেখানে আপনি পড়া থামিয়েছিলেন (%1) তা সংরক্ষিত হয়নি: %2।</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>সূরা %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A chapter&apos;s heading: %1 its number, %2 its name.</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::RepeatDialog</name>
    <message>
        <source>Repeat from %1 to...</source>
        <translation>%1 থেকে ... পর্যন্ত পুনরাবৃত্তি</translation>
    </message>
    <message>
        <source>Repeat verse %1</source>
        <translation>আয়াত %1 পুনরাবৃত্তি</translation>
    </message>
    <message>
        <source>chapter:verse, e.g. 2:5</source>
        <translation>সূরা:আয়াত, যেমন 2:5</translation>
    </message>
    <message>
        <source>From %1 to verse:</source>
        <translation>%1 থেকে আয়াত পর্যন্ত:</translation>
    </message>
    <message>
        <source> times</source>
        <translation> বার</translation>
    </message>
    <message>
        <source>until stopped</source>
        <translation>থামানো পর্যন্ত</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> মি.সে.</translation>
    </message>
    <message>
        <source>Each verse:</source>
        <translation>প্রতিটি আয়াত:</translation>
    </message>
    <message>
        <source>The verse:</source>
        <translation>আয়াত:</translation>
    </message>
    <message>
        <source>The whole range:</source>
        <translation>পুরো অংশ:</translation>
    </message>
    <message>
        <source>Pause between:</source>
        <translation>মাঝের বিরতি:</translation>
    </message>
    <message>
        <source>Recite</source>
        <translation>তিলাওয়াত</translation>
    </message>
    <message>
        <source>No</source>
        <translation>না</translation>
    </message>
    <message>
        <source>As long as the verse took, times %1</source>
        <extracomment>Listen and repeat: wait this many times as long as the verse took.</extracomment>
        <translation>আয়াতটি যত সময় নিয়েছে তার %1 গুণ</translation>
    </message>
    <message>
        <source>Time to say each verse back:</source>
        <translation>প্রতিটি আয়াত বলার সময়:</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ReviewWindow</name>
    <message>
        <source>Today&apos;s review</source>
        <translation>আজকের পুনরালোচনা</translation>
    </message>
    <message>
        <source>Recite the page from memory, then reveal it and grade how well you knew it.</source>
        <translation>পৃষ্ঠাটি মুখস্থ থেকে পড়ুন, তারপর খুলে দেখুন এবং কতটা জানতেন তা মূল্যায়ন করুন।</translation>
    </message>
    <message>
        <source>Next word</source>
        <translation>পরের শব্দ</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>স্পেস</translation>
    </message>
    <message>
        <source>Rest of the line</source>
        <translation>লাইনের বাকি</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>এন্টার</translation>
    </message>
    <message>
        <source>Everything</source>
        <translation>সব</translation>
    </message>
    <message>
        <source>Ctrl+Enter</source>
        <translation>Ctrl+এন্টার</translation>
    </message>
    <message>
        <source>Hide a word again</source>
        <translation>একটি শব্দ আবার লুকান</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>ব্যাকস্পেস</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>আবার</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>কঠিন</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>ভালো</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>সহজ</translation>
    </message>
    <message>
        <source>Listen to the page</source>
        <translation>পৃষ্ঠাটি শুনুন</translation>
    </message>
    <message>
        <source>How well did you know it?</source>
        <translation>কতটা জানতেন?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ করুন</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A button&apos;s text and, in brackets, the key that presses it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Page %1 (%2 of %3)</source>
        <translation>পৃষ্ঠা %1 (%3টির মধ্যে %2)</translation>
    </message>
    <message>
        <source>Nothing is due for review today.</source>
        <translation>আজ পুনরালোচনার কিছু নেই।</translation>
    </message>
    <message>
        <source>Review done. Pages graded: %1.</source>
        <translation>পুনরালোচনা শেষ। মূল্যায়িত পৃষ্ঠা: %1।</translation>
    </message>
    <message>
        <source>Again %1, hard %2, good %3, easy %4.</source>
        <translation>আবার %1, কঠিন %2, ভালো %3, সহজ %4।</translation>
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
        <translation>অগ্রগতি</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>লোড হচ্ছে, অনুগ্রহ করে অপেক্ষা করুন...</translation>
    </message>
    <message>
        <source>Quran text: tanzil.net</source>
        <translation>কুরআনের পাঠ: tanzil.net</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <extracomment>%1 is the version, e.g. 2.08.09A.</extracomment>
        <translation>সংস্করণ: %1</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::TextDownloadDialog</name>
    <message>
        <source>Download texts</source>
        <translation>পাঠ্য ডাউনলোড</translation>
    </message>
    <message>
        <source>&amp;Fetch list</source>
        <translation>তালিকা &amp;আনুন</translation>
    </message>
    <message>
        <source>Translations and commentaries</source>
        <translation>অনুবাদ ও তাফসীর</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>অনুবাদ</translation>
    </message>
    <message>
        <source>Commentaries</source>
        <translation>তাফসীর</translation>
    </message>
    <message>
        <source>Service address:</source>
        <translation>সেবার ঠিকানা:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>দেখান:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>ভাষা</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>নাম</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>ধরন</translation>
    </message>
    <message>
        <source>State</source>
        <translation>অবস্থা</translation>
    </message>
    <message>
        <source>Texts to download</source>
        <translation>ডাউনলোডযোগ্য পাঠ্য</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;ডাউনলোড</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;সরান</translation>
    </message>
    <message>
        <source>Fetching the list of texts from %1...</source>
        <translation>%1 থেকে পাঠ্যের তালিকা আনা হচ্ছে...</translation>
    </message>
    <message numerus="yes">
        <source>%n text(s) offered by the service.</source>
        <translation>
            <numerusform>সেবাটি %n টি পাঠ্য দেয়।</numerusform>
            <numerusform>সেবাটি %n টি পাঠ্য দেয়।</numerusform>
        </translation>
    </message>
    <message>
        <source>The list of texts could not be fetched: %1. Shown instead: texts Tilvora knows by name, which download from the address above when it answers.</source>
        <translation>পাঠ্যের তালিকা আনা যায়নি: %1। এর বদলে দেখানো হচ্ছে: যেসব পাঠ্য তিলাওয়া নামে চেনে, উপরের ঠিকানা সাড়া দিলে সেখান থেকে ডাউনলোড হয়।</translation>
    </message>
    <message>
        <source>All languages</source>
        <translation>সব ভাষা</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>ইনস্টল করা</translation>
    </message>
    <message>
        <source>Known by name</source>
        <translation>নামে পরিচিত</translation>
    </message>
    <message>
        <source>Installed, known by name</source>
        <translation>ইনস্টল করা, নামে পরিচিত</translation>
    </message>
    <message>
        <source>Commentary</source>
        <translation>তাফসীর</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>অনুবাদ</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>%1 ডাউনলোড হচ্ছে...</translation>
    </message>
    <message>
        <source>%1 could not be removed: %2</source>
        <translation>%1 সরানো যায়নি: %2</translation>
    </message>
    <message>
        <source>%1 was removed.</source>
        <translation>%1 সরানো হয়েছে।</translation>
    </message>
    <message>
        <source>%1 of %2 chapters, %3</source>
        <translation>%2 টির মধ্যে %1 টি সূরা, %3</translation>
    </message>
    <message>
        <source>Installed, %1 verses (%2). Choose it in a row of the control pane.</source>
        <translation>ইনস্টল হয়েছে, %1 টি আয়াত (%2)। নিয়ন্ত্রণ প্যানের কোনো সারিতে এটি বেছে নিন।</translation>
    </message>
    <message>
        <source>Cancelled. The chapters fetched are kept; Download goes on from there.</source>
        <translation>বাতিল। আনা সূরাগুলো রাখা আছে; ডাউনলোড সেখান থেকে চলবে।</translation>
    </message>
    <message>
        <source>Not installed: chapters %1 failed. Download again to fetch only what is missing.</source>
        <translation>ইনস্টল হয়নি: সূরা %1 ব্যর্থ হয়েছে। শুধু বাকি অংশ আনতে আবার ডাউনলোড করুন।</translation>
    </message>
    <message>
        <source>Not installed. Download again to fetch only what is missing.</source>
        <translation>ইনস্টল হয়নি। শুধু বাকি অংশ আনতে আবার ডাউনলোড করুন।</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ করুন</translation>
    </message>
    <message>
        <source>%1 of %2 chapters, %3, about %4 left</source>
        <translation>%2 টির মধ্যে %1 টি সূরা, %3, প্রায় %4 বাকি</translation>
    </message>
    <message>
        <source>The download stopped: %1.</source>
        <translation>ডাউনলোড থেমেছে: %1।</translation>
    </message>
</context>
</TS>
